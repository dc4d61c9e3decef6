#include "apps/tellvane/ChartFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "common/Error.h"
#include "raster/RasterErrors.h"

namespace tellvane::cli {
namespace {

[[noreturn]] void fileAccess(const std::string& what, const std::error_code& ec) {
    throw Error(raster::kFileAccess, "Path/File access error: " + what + ": " + ec.message());
}

std::error_code lastError() { return {errno, std::generic_category()}; }

// A new empty file beside the target under a name no other writer holds; removed
// again unless it was moved into place.
class Temporary {
public:
    explicit Temporary(const std::filesystem::path& target) {
        std::string name = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
        fd_ = ::mkstemp(name.data());
        if (fd_ < 0) fileAccess("cannot create a file beside " + target.string(), lastError());
        path_ = name;
        // mkstemp keeps the file to its owner; the chart is as readable as any new file.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd_, 0666 & ~mask) != 0) fileAccess("cannot create a file beside " + target.string(), lastError());
    }
    ~Temporary() {
        if (fd_ >= 0) ::close(fd_);
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove(path_, ignored);
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    const std::filesystem::path& path() const { return path_; }

    void write(const std::vector<std::uint8_t>& bytes, const std::filesystem::path& target) {
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) fileAccess("cannot write " + target.string(), lastError());
            done += static_cast<std::size_t>(n);
        }
        if (::fsync(fd_) != 0 || ::close(std::exchange(fd_, -1)) != 0)
            fileAccess("cannot write " + target.string(), lastError());
    }

    void moveTo(const std::filesystem::path& target) {
        std::error_code ec;
        std::filesystem::rename(path_, target, ec);
        if (ec) fileAccess("cannot move " + path_.string() + " to " + target.string(), ec);
        path_.clear();
    }

private:
    int fd_ = -1;
    std::filesystem::path path_;
};

void makeFolder(const std::filesystem::path& dir) {
    if (dir.empty()) return;  // the current folder
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) fileAccess("cannot create " + dir.string(), ec);
}

}  // namespace

void writeChartFiles(const ChartPaths& paths, const std::vector<std::uint8_t>& png,
                     const std::function<void(const std::filesystem::path&)>& writePdf) {
    makeFolder(paths.png.parent_path());
    makeFolder(paths.pdf.parent_path());
    Temporary picture(paths.png), page(paths.pdf);
    picture.write(png, paths.png);
    writePdf(page.path());
    page.moveTo(paths.pdf);
    picture.moveTo(paths.png);
}

}  // namespace tellvane::cli
