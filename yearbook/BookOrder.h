#pragma once
// The order of a book's stations: the catalogue's, as its file lists them, then the
// stations it does not list by station number.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "records/StationRecords.h"

namespace tellvane {

/// The stations of the records in book order; the catalogue file is read for its
/// order only (its names come from the catalogue the host loaded).
std::vector<std::u16string> bookOrder(const StationRecords& records,
                                      const std::optional<std::filesystem::path>& catalogue);

}  // namespace tellvane
