#include "fileout/Target.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace tellvane::fileout {

Error accessError(const std::filesystem::path& path, const std::string& why) {
    return Error::fileAccess(path.string(), why);
}

Error accessError(const std::filesystem::path& path, const std::string& why, int error) {
    return accessError(path, why + ": " + std::strerror(error));
}

void checkTarget(const std::filesystem::path& path) {
    if (path.empty()) throw accessError(path, "no file name");
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return;
        throw accessError(path, "cannot be looked at", errno);
    }
    if (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)) return;
    const char* what = S_ISDIR(st.st_mode)    ? "is a folder"
                       : S_ISFIFO(st.st_mode) ? "is a FIFO"
                       : S_ISSOCK(st.st_mode) ? "is a socket"
                                              : "is a device";
    throw accessError(path, std::string(what) + ", not a file; nothing was written");
}

void makeFolders(const std::filesystem::path& dir) {
    if (dir.empty()) return;
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) throw accessError(dir, "cannot be made a folder: " + ec.message());
}

std::filesystem::path folderOf(const std::filesystem::path& path) {
    const std::filesystem::path dir = path.parent_path();
    return dir.empty() ? std::filesystem::path(".") : dir;
}

std::filesystem::path besideName(const std::filesystem::path& path, const std::string& suffix) {
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz234567";
    std::array<unsigned char, 8> noise{};
    // getentropy rather than getrandom: the browser build's C library has only the former.
    if (::getentropy(noise.data(), noise.size()) != 0)
        throw accessError(path, "no random name for a temporary", errno);
    std::string name = "." + path.filename().string() + ".";
    for (const unsigned char n : noise) name += kDigits[n % 32];
    return path.parent_path() / (name + "." + suffix);
}

void syncFolder(const std::filesystem::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace tellvane::fileout
