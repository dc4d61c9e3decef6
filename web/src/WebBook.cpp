#include "web/src/WebBook.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/Error.h"
#include "hostkit/HeadlessPlatform.h"
#include "record/RecordWorkbook.h"
#include "records/InputError.h"
#include "yearbook/Yearbook.h"

namespace tellvane::web {
namespace {

namespace fs = std::filesystem;

// The data go in a folder that is the working directory while the book is written,
// so that a message names a file as the page named it.
const fs::path kDataFolder = "/book-data";
const fs::path kCatalogueFolder = "/book-catalogue";
const fs::path kBook = "/book-out/book.pdf";

void put(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) throw InputError(path.string(), 0, "cannot be put in the module's file system");
}

std::string taken(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

// The folders of a book, removed however it ends.
struct BookFolders {
    ~BookFolders() {
        std::error_code ec;
        fs::current_path("/", ec);
        for (const fs::path& p : {kDataFolder, kCatalogueFolder, kBook.parent_path()}) fs::remove_all(p, ec);
    }
};

BookRequest requestOf(const std::vector<PageFile>& data, const PageFile& catalogue,
                      const std::vector<pagewriter::TypefaceFiles>& typefaces) {
    BookRequest request;
    fs::create_directories(kDataFolder);
    for (const PageFile& f : data) {
        const fs::path name = fs::path(f.name).relative_path();  // a name never leaves the folder's root
        put(kDataFolder / name, f.text);
        request.data.push_back(name);
    }
    if (!catalogue.name.empty()) {
        const fs::path path = kCatalogueFolder / fs::path(catalogue.name).filename();
        put(path, catalogue.text);
        request.stations = path;
    }
    fs::create_directories(kBook.parent_path());
    request.out = kBook;
    request.downloads = DownloadEncoding::Utf8;
    request.pageWriter.typefaces = typefaces;
    request.pageWriter.background = false;
    return request;
}

}  // namespace

WebBook writeWebBook(const std::vector<PageFile>& data, const PageFile& catalogue,
                     const std::vector<pagewriter::TypefaceFiles>& typefaces) {
    BookFolders folders;
    try {
        BookRequest request = requestOf(data, catalogue, typefaces);
        fs::current_path(kDataFolder);
        EmptySettings settings;
        writeBook(request, settings, BookListener{});
        return {taken(kBook), {}};
    } catch (const InputError& e) {
        return {{}, e.what()};
    } catch (const Error& e) {
        return {{}, "run-time error " + std::to_string(e.number()) + ": " + e.description()};
    } catch (const fs::filesystem_error& e) {
        return {{}, e.what()};
    } catch (const std::bad_alloc&) {
        return {{}, "out of memory"};
    }
}

WebBook writeWebWorkbook(const std::vector<StationRecord>& records) {
    BookFolders folders;
    try {
        const fs::path file = kBook.parent_path() / "record.xlsx";
        fs::create_directories(file.parent_path());
        writeRecordWorkbook(file.string(), records, false);
        return {taken(file), {}};
    } catch (const std::exception& e) {  // the library's reason, or the file system's
        return {{}, e.what()};
    }
}

}  // namespace tellvane::web
