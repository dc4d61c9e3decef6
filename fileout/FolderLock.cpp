#include "fileout/FolderLock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "fileout/Target.h"
#include "fileout/Temporaries.h"

namespace tellvane::fileout {
namespace {

// True when the lock was taken, false while another holds it.
bool tryTake(const std::filesystem::path& path) {
    const OutputLock lock;
    remember(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    const int error = errno;
    forget(path);
    if (error != EEXIST) throw accessError(path, "cannot be created as a lock", error);
    return false;
}

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& dir, const std::string& stem, std::chrono::milliseconds wait)
    : path_(folderOf(dir / stem) / ("." + stem + ".lock")) {
    const auto until = std::chrono::steady_clock::now() + wait;
    while (!tryTake(path_)) {
        if (std::chrono::steady_clock::now() >= until)
            throw accessError(path_, "another writer holds this lock; remove it if none is running");
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

FolderLock::~FolderLock() {
    const OutputLock lock;
    ::unlink(path_.c_str());
    forget(path_);
}

}  // namespace tellvane::fileout
