#pragma once
// The yearbook of the files the page loaded, written by the yearbook layer as the
// command line's `book` writes it: the files are put in the module's own file
// system under the names the page gave them, downloads already decoded to UTF-8,
// and the book's bytes are read back and the files removed.

#include <memory>
#include <string>
#include <vector>

#include "pagewriter/PageWriterOptions.h"
#include "web/src/WebChart.h"

namespace tellvane::web {

/// The book's (or workbook's) bytes, or why it could not be written.
struct WebBook {
    std::string bytes;
    std::string error;  ///< empty when the book was written
};

/// Writes the book of the data files (and the catalogue, when its name is not
/// empty), with every pen as it comes and the typefaces given.
WebBook writeWebBook(const std::vector<PageFile>& data, const PageFile& catalogue,
                     const std::vector<pagewriter::TypefaceFiles>& typefaces);

/// The records as the workbook `tellvane record --out x.xlsx` writes, its bytes
/// read back from the module's file system.
WebBook writeWebWorkbook(const std::vector<StationRecord>& records);

}  // namespace tellvane::web
