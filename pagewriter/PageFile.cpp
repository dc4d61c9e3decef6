#include "pagewriter/PageFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/Error.h"
#include "pagewriter/PageErrors.h"

namespace tellvane::pagewriter {

namespace {

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A name beside the target that no other writer uses: the process and a counter.
std::string temporaryName(const std::string& path) {
    static int counter = 0;
    return path + ".tmp" + std::to_string(getpid()) + "-" +
           std::to_string(__atomic_add_fetch(&counter, 1, __ATOMIC_RELAXED));
}

int openUnnamed(const std::string& directory) {
#ifdef O_TMPFILE
    return ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    (void)directory;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// The file systems that cannot hold unnamed files say so with these.
bool unnamedUnsupported(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

}  // namespace

PageFile::PageFile(std::string path) : path_(std::move(path)) {
    fd_ = openUnnamed(directoryOf(path_));
    if (fd_ < 0 && unnamedUnsupported(errno)) {
        named_ = temporaryName(path_);
        fd_ = ::open(named_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ < 0) named_.clear();
    }
    if (fd_ < 0) fail("the directory cannot take it", errno);
}

PageFile::~PageFile() { discard(); }

void PageFile::fail(const std::string& reason, int error) const {
    throw Error(kOutputFailed, kNotWritten, reason + " (" + std::strerror(error) + ")", {path_});
}

void PageFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!named_.empty()) ::unlink(named_.c_str());
    named_.clear();
}

void PageFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;  // a signal arrived before anything was written
        if (n <= 0) fail("the disk is full or the file too large", n < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(n));  // a short write goes on with the rest
    }
}

void PageFile::commit() {
    if (::fsync(fd_) != 0) fail("it could not be synced to the disk", errno);
    if (named_.empty()) {
        // The unnamed file gets a name beside the target first: linking cannot
        // replace a file, renaming can, and in one step.
        const std::string name = temporaryName(path_);
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) != 0)
            fail("its directory is gone or cannot take it", errno);
        named_ = name;
    }
    if (::close(fd_) != 0) {
        fd_ = -1;
        fail("it could not be closed", errno);
    }
    fd_ = -1;
    if (std::rename(named_.c_str(), path_.c_str()) != 0) fail("it could not be put in place", errno);
    named_.clear();
}

void writePageFile(const std::string& path, std::string_view bytes) {
    PageFile file(path);
    file.write(bytes);
    file.commit();
}

}  // namespace tellvane::pagewriter
