#pragma once
// A finished page goes to its file whole or not at all. Its bytes are written to a
// file without a name in the target's directory (Linux's O_TMPFILE), synced, given
// a temporary name beside the target and renamed over it: a failure, or a process
// killed part way, never leaves a truncated file nor destroys an earlier one. Where
// unnamed files are not supported the file is named from the start and removed on
// failure.

#include <string>
#include <string_view>

namespace tellvane::pagewriter {

class PageFile {
public:
    /// Opens the file that will become path; throws kOutputFailed when the directory
    /// cannot take it.
    explicit PageFile(std::string path);
    /// Discards the bytes written unless the file was committed.
    ~PageFile();
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    /// Appends bytes; throws kOutputFailed when the disk is full or the file too large.
    void write(std::string_view bytes);
    /// Syncs the file and puts it in place of path; throws kOutputFailed on failure.
    void commit();

private:
    [[noreturn]] void fail(const std::string& reason, int error) const;
    void discard();

    std::string path_;
    std::string named_;  // the temporary name, once the file has one
    int fd_ = -1;
};

/// Writes the bytes to the path through a PageFile.
void writePageFile(const std::string& path, std::string_view bytes);

}  // namespace tellvane::pagewriter
