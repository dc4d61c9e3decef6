#pragma once
// The files a host is pointed at: data files and folders of them, and the station
// catalogue.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "records/StationCatalogue.h"
#include "records/StationRecords.h"
#include "records/WaterDbFile.h"

namespace tellvane {

/// The whole file; an unreadable one, one that is no regular file (a folder, FIFO,
/// device or socket: opened without blocking and refused), or one larger than
/// 16 MB fails with InputError.
std::string readWholeFile(const std::filesystem::path& path);

/// The data files a path stands for: the file itself, or every file ending in .dat
/// or .csv in the folder and its subfolders (symbolic links followed), in the order
/// of their paths. A folder that cannot be listed, an entry that cannot be looked
/// at, a link that leads back into a folder being read, or a folder without data
/// files fails with InputError; nothing here throws anything else.
std::vector<std::filesystem::path> dataFilesOf(const std::filesystem::path& path);

/// The records of every path in turn (see dataFilesOf): a file ending in .dat is a
/// download of the water information database, any other file the hourly CSV, read
/// as it streams in (each is opened as readWholeFile says). Only the readings of the station-year kept (all when nullopt)
/// are held. A day given twice at the same resolution fails with InputError naming
/// both places; daily tables give way to hourly ones (StationRecords::preferHourly).
/// Downloads are read in the encoding given: a host that decoded them itself (the
/// browser, into its own file system) hands them over as UTF-8.
StationRecords loadRecords(const std::vector<std::filesystem::path>& paths,
                           const std::optional<KeptYears>& kept = std::nullopt,
                           DownloadEncoding encoding = DownloadEncoding::ShiftJis);

/// The station-year read again on its own from the parts of the files that gave it
/// in index (records read with nothing kept, say), with its readings kept: what a
/// host holds to chart one station-year of files too large to hold whole.
StationRecords loadStationYear(const StationRecords& index, const std::u16string& station, int year,
                               DownloadEncoding encoding = DownloadEncoding::ShiftJis);

/// The station catalogue in the file.
StationCatalogue loadStationCatalogue(const std::filesystem::path& path);

}  // namespace tellvane
