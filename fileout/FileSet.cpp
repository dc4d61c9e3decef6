#include "fileout/FileSet.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "fileout/Target.h"
#include "fileout/Temporaries.h"

namespace tellvane::fileout {
namespace {

namespace fs = std::filesystem;

// Creates a unique empty file beside path, noted as a temporary; returns its name
// and, when fd is asked for, keeps it open for writing.
fs::path createBeside(const fs::path& path, int* fd) {
    for (;;) {
        const fs::path name = besideName(path, "tmp");
        const OutputLock lock;
        remember(name);
        const int made = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (made >= 0) {
            if (fd) *fd = made;
            else ::close(made);
            return name;
        }
        const int error = errno;
        forget(name);
        if (error != EEXIST) throw accessError(path, "cannot be written in its folder", error);
    }
}

void removeTemporary(const fs::path& name) {
    const OutputLock lock;
    ::unlink(name.c_str());
    forget(name);
}

bool writeAll(int fd, std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

// A file without a name until it is linked into its folder: nothing is left to
// remove if the process dies while writing. nullopt where the file system has none.
std::optional<int> anonymousFile(const fs::path& path) {
    const int fd = ::open(folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return std::nullopt;
    throw accessError(path, "cannot be written in its folder", errno);
}

// Gives the anonymous file fd a unique name beside path.
fs::path linkBeside(int fd, const fs::path& path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (;;) {
        const fs::path name = besideName(path, "tmp");
        const OutputLock lock;
        remember(name);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return name;
        const int error = errno;
        forget(name);
        if (error != EEXIST) throw accessError(path, "cannot be written in its folder", error);
    }
}

void syncFile(const fs::path& name, const fs::path& target) {
    const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fsync(fd) != 0) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        throw accessError(target, "cannot be written", error);
    }
    ::close(fd);
}

// One file being placed: the earlier file of its name kept aside until the set is in.
struct Placing {
    fs::path target, aside;
    bool placed = false;
};

// Keeps the earlier file at target under a unique name: a second link where the file
// system has them, so that the name never stands empty; else moved aside.
fs::path keepAside(const fs::path& target) {
    for (;;) {
        const fs::path aside = besideName(target, "old");
        remember(aside);
        if (::link(target.c_str(), aside.c_str()) == 0) return aside;
        if (errno != EEXIST && ::rename(target.c_str(), aside.c_str()) == 0) return aside;
        const int error = errno;
        forget(aside);
        if (error != EEXIST) throw accessError(target, "cannot be replaced", error);
    }
}

void rollBack(std::vector<Placing>& placing) {
    for (auto p = placing.rbegin(); p != placing.rend(); ++p) {
        if (!p->aside.empty()) {
            // A second link of the earlier file renames onto it as a no-op: the unlink
            // then drops the extra name.
            ::rename(p->aside.c_str(), p->target.c_str());
            ::unlink(p->aside.c_str());
            forget(p->aside);
        } else if (p->placed) {
            ::unlink(p->target.c_str());
        }
    }
}

}  // namespace

FileSet::~FileSet() {
    for (const Staged& s : staged_)
        if (s.ours) removeTemporary(s.temporary);
}

void FileSet::add(const fs::path& path, std::span<const std::byte> bytes) {
    checkTarget(path);
    const std::optional<int> anonymous = anonymousFile(path);
    int fd = anonymous.value_or(-1);
    fs::path name;
    if (!anonymous) {
        name = createBeside(path, &fd);
        staged_.push_back({name, path, true});
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    if (written && anonymous) {
        try {
            name = linkBeside(fd, path);
        } catch (...) {
            ::close(fd);
            throw;
        }
        staged_.push_back({name, path, true});
    }
    if (::close(fd) != 0 && written) throw accessError(path, "cannot be written", errno);
    if (!written) throw accessError(path, "cannot be written", error);
}

fs::path FileSet::stage(const fs::path& path) {
    checkTarget(path);
    const fs::path name = createBeside(path, nullptr);
    staged_.push_back({name, path, true});
    return name;
}

void FileSet::adopt(const fs::path& written, const fs::path& path) { staged_.push_back({written, path, false}); }

void FileSet::commit() {
    for (const Staged& s : staged_) syncFile(s.temporary, s.target);
    {
        const OutputLock lock;
        std::vector<Placing> placing;
        try {
            for (const Staged& s : staged_) {
                checkTarget(s.target);  // again: something may have been put there since
                Placing& p = placing.emplace_back(Placing{s.target, {}, false});
                struct stat st {};
                if (::lstat(s.target.c_str(), &st) == 0) p.aside = keepAside(s.target);
                if (::rename(s.temporary.c_str(), s.target.c_str()) != 0)
                    throw accessError(s.target, "cannot be renamed into place", errno);
                p.placed = true;
                if (s.ours) forget(s.temporary);
            }
        } catch (...) {
            rollBack(placing);
            for (std::size_t i = 0; i < placing.size(); ++i)
                if (placing[i].placed) staged_[i].ours = false;  // its name is gone
            throw;
        }
        for (const Placing& p : placing)
            if (!p.aside.empty()) {
                ::unlink(p.aside.c_str());
                forget(p.aside);
            }
    }
    for (const Staged& s : staged_) syncFolder(folderOf(s.target));
    staged_.clear();
}

void writeFile(const fs::path& path, std::span<const std::byte> bytes) {
    FileSet set;
    set.add(path, bytes);
    set.commit();
}

void writeFile(const fs::path& path, const std::string& bytes) { writeFile(path, std::as_bytes(std::span(bytes))); }

}  // namespace tellvane::fileout
