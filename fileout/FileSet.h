#pragma once
// Files committed together, both or neither: each is staged under a unique
// temporary name in its own folder and synced; commit() renames them into place,
// keeping an earlier file of each name aside until every one is placed, and puts the
// earlier files back when one cannot be. Files of any other name are never touched.

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace tellvane::fileout {

class FileSet {
public:
    FileSet() = default;
    /// Removes every temporary not committed.
    ~FileSet();
    FileSet(const FileSet&) = delete;
    FileSet& operator=(const FileSet&) = delete;

    /// Stages bytes for path: written (O_TMPFILE where the file system has it, else
    /// a random name made with O_EXCL) and synced. Fails with a run-time error,
    /// having left nothing, when path's folder cannot take it or a non-file stands
    /// at path.
    void add(const std::filesystem::path& path, std::span<const std::byte> bytes);
    /// For a library that writes a file by name itself: a unique empty file beside
    /// path for it to write; commit() syncs and places it.
    std::filesystem::path stage(const std::filesystem::path& path);
    /// Takes a finished file (in a WorkFolder beside path) to be placed at path.
    void adopt(const std::filesystem::path& written, const std::filesystem::path& path);

    /// Places every staged file, all or none; on failure every earlier file is as it
    /// was and the error names the file that could not be placed.
    void commit();

private:
    struct Staged {
        std::filesystem::path temporary, target;
        bool ours;  ///< a temporary of ours to remove, not an adopted file
    };
    std::vector<Staged> staged_;
};

/// One file written whole or not at all.
void writeFile(const std::filesystem::path& path, std::span<const std::byte> bytes);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace tellvane::fileout
