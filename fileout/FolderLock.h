#pragma once
// A lock on one chart's names in a folder, held while a writer decides those names
// by looking at the folder and commits its files, so that two processes never
// interleave: ".STEM.lock" created exclusively, as a lock file of a version control
// tool is, and removed after.

#include <chrono>
#include <filesystem>
#include <string>

namespace tellvane::fileout {

class FolderLock {
public:
    /// Takes dir/.STEM.lock, waiting up to wait while another process holds it;
    /// then fails naming the lock file (left by a writer that was killed, say).
    FolderLock(const std::filesystem::path& dir, const std::string& stem,
               std::chrono::milliseconds wait = std::chrono::seconds(10));
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    std::filesystem::path path_;
};

}  // namespace tellvane::fileout
