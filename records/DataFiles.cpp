#include "records/DataFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "records/HourlyCsv.h"
#include "records/WaterDbFile.h"

namespace tellvane {
namespace {

namespace fs = std::filesystem;

// A download of the database is a month or a year of one station: tens of kilobytes.
constexpr std::uintmax_t kLargestDownload = 16u << 20;
// Small enough that a chunk is still in the core's cache when the rows are read
// from it: 64 KB read the 50-year file faster than 1 MB (about 5 ms of 55 a record).
constexpr std::size_t kChunkBytes = 1u << 16;

std::string lowerExtension(const fs::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

bool isDataFile(const fs::path& path) {
    const std::string ext = lowerExtension(path);
    return ext == ".dat" || ext == ".csv";
}

[[noreturn]] void cannot(const fs::path& path, const std::string& what, const std::error_code& ec) {
    throw InputError(path.string(), 0, what + ": " + ec.message());
}

struct FileClose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileClose>;

const char* kindOfNonFile(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

// Opened without blocking, so that a FIFO with no writer cannot hang the reader,
// then asked what it is: only a regular file is read (a device or a pipe has no end
// to read to).
File openToRead(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw InputError(path.string(), 0, std::string("cannot be read: ") + std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        throw InputError(path.string(), 0, std::string("cannot be looked at: ") + std::strerror(error));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw InputError(path.string(), 0, std::string("is ") + kindOfNonFile(st.st_mode) + ", not a file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    File file(::fdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
        throw InputError(path.string(), 0, std::string("cannot be read: ") + std::strerror(errno));
    }
    return file;
}

// The size of an open regular file.
std::uintmax_t sizeOf(const File& file) {
    struct stat st {};
    return ::fstat(::fileno(file.get()), &st) == 0 ? static_cast<std::uintmax_t>(st.st_size) : 0;
}

// Walks a folder, following links to folders but never into one already on the way
// down, which a link back up would be.
class FolderWalk {
public:
    std::vector<fs::path> files;

    void folder(const fs::path& dir) {
        struct stat st {};
        if (::stat(dir.c_str(), &st) != 0) cannot(dir, "cannot be looked at", {errno, std::generic_category()});
        const std::pair<dev_t, ino_t> id{st.st_dev, st.st_ino};
        if (!onTheWay_.insert(id).second)
            throw InputError(dir.string(), 0, "leads back into a folder being read (a loop of symbolic links)");
        std::error_code ec;
        fs::directory_iterator it(dir, ec);
        if (ec) cannot(dir, "cannot list the folder", ec);
        for (; it != fs::directory_iterator(); it.increment(ec)) {
            if (ec) cannot(dir, "cannot list the folder", ec);
            const fs::path entry = it->path();
            const fs::file_status status = fs::status(entry, ec);
            if (ec) cannot(entry, "cannot be looked at", ec);
            if (fs::is_directory(status))
                folder(entry);
            else if (fs::is_regular_file(status) && isDataFile(entry))
                files.push_back(entry);
        }
        if (ec) cannot(dir, "cannot list the folder", ec);
        onTheWay_.erase(id);
    }

private:
    std::set<std::pair<dev_t, ino_t>> onTheWay_;
};

void readDownload(const fs::path& path, StationRecords& records, DownloadEncoding encoding) {
    readWaterDbFile(readWholeFile(path), path.string(), records, encoding);
}

// A buffer for reading chunks of at most the given number of bytes, left
// uninitialised: a small file's read should not pay for clearing it.
std::unique_ptr<char[]> chunkBuffer(std::uintmax_t bytes) {
    return std::unique_ptr<char[]>(
        new char[static_cast<std::size_t>(std::clamp<std::uintmax_t>(bytes, 1, kChunkBytes))]);
}

void readCsv(const fs::path& path, StationRecords& records) {
    const File file = openToRead(path);
    // One byte more than the file holds, so that its end is seen in the first read.
    const std::size_t chunk = static_cast<std::size_t>(std::min<std::uintmax_t>(sizeOf(file) + 1, kChunkBytes));
    const std::unique_ptr<char[]> buffer = chunkBuffer(chunk);
    readHourlyCsv(
        [&] {
            const std::size_t got = std::fread(buffer.get(), 1, chunk, file.get());
            if (got == 0 && std::ferror(file.get()))
                throw InputError(path.string(), 0, std::string("cannot be read to its end: ") + std::strerror(errno));
            return std::string_view(buffer.get(), got);
        },
        path.string(), records);
}

// The bytes of the extent, read as a part of the CSV.
void readCsvPart(const fs::path& path, const FileExtent& extent, StationRecords& records) {
    const File file = openToRead(path);
    if (fseeko(file.get(), static_cast<off_t>(extent.begin), SEEK_SET) != 0)
        throw InputError(path.string(), 0, std::string("cannot be read again: ") + std::strerror(errno));
    std::uint64_t left = extent.end - extent.begin;
    const std::size_t chunk = static_cast<std::size_t>(std::clamp<std::uint64_t>(left, 1, kChunkBytes));
    const std::unique_ptr<char[]> buffer = chunkBuffer(chunk);
    readHourlyCsv(
        [&] {
            const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk));
            const std::size_t got = std::fread(buffer.get(), 1, want, file.get());
            if (got < want)
                throw InputError(path.string(), 0, "is shorter than when it was read first: it has been changed");
            left -= got;
            return std::string_view(buffer.get(), got);
        },
        path.string(), records, CsvStart{static_cast<long>(extent.line), extent.begin});
}

}  // namespace

std::string readWholeFile(const fs::path& path) {
    const File file = openToRead(path);
    const auto tooLarge = [&](std::uintmax_t size) {
        return InputError(path.string(), 0,
                          "is " + std::to_string(size) + " bytes; a file read whole (a download of the database, " +
                              "a catalogue) is at most " + std::to_string(kLargestDownload >> 20) + " MB");
    };
    if (sizeOf(file) > kLargestDownload) throw tooLarge(sizeOf(file));
    std::string bytes;
    char buffer[1 << 16];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        bytes.append(buffer, got);
        if (bytes.size() > kLargestDownload) throw tooLarge(bytes.size());  // it grew while read
    }
    if (std::ferror(file.get()))
        throw InputError(path.string(), 0, std::string("cannot be read to its end: ") + std::strerror(errno));
    return bytes;
}

std::vector<fs::path> dataFilesOf(const fs::path& path) {
    std::error_code ec;
    const bool folder = fs::is_directory(path, ec);
    if (!folder) return {path};  // a missing file is reported when it is read
    FolderWalk walk;
    walk.folder(path);
    if (walk.files.empty()) throw InputError(path.string(), 0, "the folder holds no .dat or .csv files");
    std::sort(walk.files.begin(), walk.files.end());
    return walk.files;
}

StationRecords loadRecords(const std::vector<fs::path>& paths, const std::optional<KeptYears>& kept,
                           DownloadEncoding encoding) {
    const auto read = [&](StationRecords& into) {
        for (const auto& path : paths)
            for (const auto& file : dataFilesOf(path)) {
                if (lowerExtension(file) == ".dat")
                    readDownload(file, into, encoding);
                else
                    readCsv(file, into);
            }
    };
    StationRecords records;
    records.keepOnly(kept);
    try {
        read(records);
    } catch (const RepeatedDay& repeat) {
        StationRecords::nameBothPlaces(repeat, read);  // every file again, up to the repeat
    }
    records.handOnLast();
    records.preferHourly();
    return records;
}

StationRecords loadStationYear(const StationRecords& index, const std::u16string& station, int year,
                               DownloadEncoding encoding) {
    std::map<std::uint32_t, std::vector<FileExtent>> byFile;  // in the order the files were read
    for (const Series* s : index.ofStation(station)) {
        const auto days = s->given.find(year);
        if (days == s->given.end()) continue;
        for (const FileExtent& e : days->second.extents) byFile[e.file].push_back(e);
    }
    StationRecords records;
    records.keepOnly(KeptYears{station, year});
    for (auto& [file, extents] : byFile) {
        const fs::path path = index.files()[file - 1];
        if (extents.front().end == 0) {
            readDownload(path, records, encoding);
            continue;
        }
        std::sort(extents.begin(), extents.end(), [](const auto& a, const auto& b) { return a.begin < b.begin; });
        for (const FileExtent& e : extents) readCsvPart(path, e, records);
    }
    records.preferHourly();
    return records;
}

StationCatalogue loadStationCatalogue(const fs::path& path) {
    return readStationCatalogue(readWholeFile(path), path.string());
}

}  // namespace tellvane
