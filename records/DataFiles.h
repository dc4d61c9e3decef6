#pragma once
// The files a host is pointed at: data files and folders of them, and the station
// catalogue.

#include <filesystem>
#include <string>
#include <vector>

#include "records/StationCatalogue.h"
#include "records/StationRecords.h"

namespace tellvane {

/// The whole file; an unreadable one fails with InputError.
std::string readWholeFile(const std::filesystem::path& path);

/// The records of every path in turn: a file ending in .dat is a download of the
/// water information database, any other file the hourly CSV; a folder stands for
/// its files ending in .dat or .csv, in the order of their names. A day given by
/// two files fails with InputError, as does a folder without data files.
StationRecords loadRecords(const std::vector<std::filesystem::path>& paths);

/// The station catalogue in the file.
StationCatalogue loadStationCatalogue(const std::filesystem::path& path);

}  // namespace tellvane
