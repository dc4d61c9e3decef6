#include <cctype>
#include <charconv>
#include <filesystem>
#include <stdexcept>

#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "common/Text.h"
#include "fileout/FileSet.h"
#include "record/RecordCsv.h"
#include "record/RecordJson.h"
#include "record/RecordText.h"
#include "record/RecordWorkbook.h"
#include "records/ShownText.h"
#include "yearhost/HostedYear.h"
#include "yearhost/YearReport.h"

namespace tellvane::cli {
namespace {

namespace fs = std::filesystem;

// The workbook library writes by name: its file is staged beside the target and
// placed once written whole, as every output is.
void writeWorkbookFile(const fs::path& target, const std::vector<StationRecord>& records, bool daily) {
    fileout::FileSet file;
    writeRecordWorkbook(file.stage(target).string(), records, daily);
    file.commit();
}

std::string formatOf(const RecordOptions& o) {
    if (o.format) return *o.format;
    if (!o.out) return "text";
    std::string ext = fs::path(*o.out).extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".csv") return "csv";
    if (ext == ".json" || ext == ".jsonl") return "json";
    if (ext == ".xlsx") return "xlsx";
    if (ext == ".txt") return "text";
    return {};
}

RecordRequest requestOf(const RecordOptions& o) {
    RecordRequest r;
    if (o.station) r.station = fromUtf8(*o.station);
    if (o.kind) r.kind = *o.kind == "discharge" ? SeriesKind::Discharge : SeriesKind::Level;
    if (o.years) {
        r.firstYear = o.years->first;
        r.lastYear = o.years->second;
    }
    r.allowedMissingDays = o.allowedMissingDays;
    return r;
}

// "A-B" or "A": years of the calendar, A not after B.
std::optional<std::pair<int, int>> parseYears(const std::string& text) {
    const auto whole = [](std::string_view digits, int& v) {
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
        return ec == std::errc() && end == digits.data() + digits.size() && v >= 1 && v <= 9999;
    };
    const std::size_t dash = text.find('-');
    const std::string_view all(text);
    int a = 0, b = 0;
    if (!whole(all.substr(0, dash), a)) return std::nullopt;
    if (dash == std::string::npos) return std::pair(a, a);
    if (!whole(all.substr(dash + 1), b) || b < a) return std::nullopt;
    return std::pair(a, b);
}

}  // namespace

void addRecordOptions(CLI::App& command, RecordOptions& o) {
    command.add_option("--data", o.data, kDataHelp)->required();
    command.add_option("--stations", o.stations, "Station catalogue CSV: station,name,water_system,river");
    command.add_option("--station", o.station, "Station number (default: every station of the data)");
    command.add_option("--kind", o.kind, "level or discharge (default: every kind; unstated readings are levels)")
        ->check(CLI::IsMember({"level", "discharge"}));
    command.add_option_function<std::string>(
        "--years",
        [&o](const std::string& text) {
            o.years = parseYears(text);
            if (!o.years) throw CLI::ValidationError("--years", "'" + text + "': expected A-B, e.g. 2016-2025");
        },
        "Years A-B (default: the data's first to last)");
    command
        .add_option("--allowed-missing-days", o.allowedMissingDays,
                    "Days without data a year may have and still count in the period (default 0)")
        ->check(CLI::Range(0, 366));
    command.add_option("--out", o.out, "File to write (default: standard output)");
    command.add_option("--format", o.format, "text, csv, json or xlsx (default: from --out's extension, else text)")
        ->check(CLI::IsMember({"text", "csv", "json", "xlsx"}));
    command.add_flag("--daily", o.daily, "With xlsx: a sheet per station-year holding its daily table");
}

int runRecord(const RecordOptions& options, std::ostream& out, std::ostream& err) {
    const std::string format = formatOf(options);
    if (format.empty()) {
        err << "tellvane: cannot tell the format from " << *options.out << "; give --format text, csv, json or xlsx\n";
        return kBadInput;
    }
    if (format == "xlsx" && !options.out) {
        err << "tellvane: a workbook needs --out FILE.xlsx\n";
        return kBadInput;
    }
    if (options.daily && format != "xlsx") {
        err << "tellvane: --daily is for a workbook (--format xlsx)\n";
        return kBadInput;
    }
    return guarded(err, [&] {
        // Each station-year is recorded as the files move on from it; one whose days
        // do not come together is read again on its own when its turn comes.
        const RecordRequest request = requestOf(options);
        OnePassRecords pass(request);
        const auto files = loadFiles(options.data, options.stations, pass.kept());
        printNotes(files->records, nullptr, err);
        const std::vector<StationRecord> records = pass.records(files->records, files->catalogue);
        if (records.empty()) {
            const std::string what = request.station ? "station " + shownName(*request.station) : "the data";
            err << "tellvane: " << what << " has no " << (options.kind ? *options.kind + " " : "") << "readings"
                << (options.years
                        ? " in " + std::to_string(options.years->first) + "-" + std::to_string(options.years->second)
                        : "")
                << '\n';
            return kBlockNotLoaded;
        }
        if (format == "xlsx") {
            writeWorkbookFile(*options.out, records, options.daily);
            out << *options.out << '\n';
            return kSuccess;
        }
        const std::string bytes = format == "csv"    ? recordCsv(records)
                                  : format == "json" ? recordJsonLines(records)
                                                     : recordText(records);
        if (options.out) {
            fileout::writeFile(*options.out, bytes);
            out << *options.out << '\n';
        } else {
            out << bytes;
        }
        return kSuccess;
    });
}

}  // namespace tellvane::cli
