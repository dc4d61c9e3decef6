#include <charconv>

#include "apps/tellvane/BatchProgress.h"
#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "common/Error.h"
#include "fileout/FileSet.h"
#include "fileout/Target.h"
#include "hostkit/IniSettingsStore.h"
#include "yearbook/Yearbook.h"

namespace tellvane::cli {
namespace {

bool endsWithSvg(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return tail == ".svg";
}

bool wholeYear(std::string_view text, int& year) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), year);
    return ec == std::errc() && end == text.data() + text.size() && year >= 1 && year <= 9999;
}

// "A-B" or "A"; false when the text is neither.
bool yearRange(const std::string& text, BookRequest& request) {
    const std::size_t dash = text.find('-');
    int first = 0, last = 0;
    if (!wholeYear(std::string_view(text).substr(0, dash), first)) return false;
    if (dash != std::string::npos && !wholeYear(std::string_view(text).substr(dash + 1), last)) return false;
    if (dash == std::string::npos) last = first;
    if (last < first) return false;
    request.firstYear = first;
    request.lastYear = last;
    return true;
}

}  // namespace

int runBook(const BookOptions& options, bool terminal, std::ostream& out, std::ostream& err) {
    if (endsWithSvg(options.out)) {
        err << "tellvane: --out " << options.out
            << ": a book is one file of many pages and SVG has no multi-page form; name a .pdf file\n";
        return kBadInput;
    }
    if (options.out.empty()) {
        err << "tellvane: --out: the book's file name is empty\n";
        return kBadInput;
    }
    BookRequest request{{options.data.begin(), options.data.end()}, {}, {}, {}, options.out};
    if (options.stations) request.stations = *options.stations;
    if (options.years && !yearRange(*options.years, request)) {
        err << "tellvane: --years " << *options.years << ": expected a year or two years as A-B, A not after B\n";
        return kBadInput;
    }
    return guarded(err, [&] {
        IniSettingsStore settings;
        std::optional<BatchProgress> progress;
        const BookListener listener{[&](int total) { progress.emplace(total, terminal, err); },
                                    [&](const std::string& label) { progress->finished(label, std::nullopt); }};
        // The book is written whole under a staged name and placed as every output is:
        // an earlier book stays until the new one is complete, and a signal leaves none.
        fileout::makeFolders(fileout::folderOf(options.out));
        fileout::FileSet book;
        request.out = book.stage(options.out).string();
        BookSummary summary;
        try {
            summary = writeBook(request, settings, listener);
        } catch (const Error& e) {
            throw e.naming(options.out, request.out);
        }
        book.commit();
        const double seconds = progress ? progress->elapsed() : 0.0;
        if (progress) progress->end();
        out << options.out << ": " << summary.pages << " pages, " << summary.stationKinds << " station-kinds, "
            << summary.stationYears << " station-years, in " << clockTime(seconds) << '\n';
        return kSuccess;
    });
}

}  // namespace tellvane::cli
