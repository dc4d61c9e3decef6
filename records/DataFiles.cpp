#include "records/DataFiles.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "records/HourlyCsv.h"
#include "records/WaterDbFile.h"

namespace tellvane {
namespace {

std::string lowerExtension(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

bool isDataFile(const std::filesystem::path& path) {
    const std::string ext = lowerExtension(path);
    return ext == ".dat" || ext == ".csv";
}

std::vector<std::filesystem::path> filesOf(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.is_regular_file() && isDataFile(entry.path())) files.push_back(entry.path());
    if (ec) throw InputError(folder.string(), 0, "cannot list the folder: " + ec.message());
    if (files.empty()) throw InputError(folder.string(), 0, "the folder holds no .dat or .csv files");
    std::sort(files.begin(), files.end());
    return files;
}

void readDataFile(const std::filesystem::path& path, StationRecords& records) {
    const std::string bytes = readWholeFile(path);
    if (lowerExtension(path) == ".dat")
        readWaterDbFile(bytes, path.string(), records);
    else
        readHourlyCsv(bytes, path.string(), records);
}

}  // namespace

std::string readWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw InputError(path.string(), 0, "is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw InputError(path.string(), 0, std::string("cannot be read: ") + std::strerror(errno));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw InputError(path.string(), 0, "cannot be read to its end");
    return std::move(bytes).str();
}

StationRecords loadRecords(const std::vector<std::filesystem::path>& paths) {
    StationRecords records;
    for (const auto& path : paths) {
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) {
            for (const auto& file : filesOf(path)) readDataFile(file, records);
        } else {
            readDataFile(path, records);
        }
    }
    return records;
}

StationCatalogue loadStationCatalogue(const std::filesystem::path& path) {
    return readStationCatalogue(readWholeFile(path), path.string());
}

}  // namespace tellvane
