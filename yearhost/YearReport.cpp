#include "yearhost/YearReport.h"

#include "common/Text.h"
#include "records/ShownText.h"

namespace tellvane {

void printNotes(const StationRecords& records, const SelectedYear* selected, std::ostream& err) {
    // The records word their notes "station NO kind YYYY: ...".
    const std::string prefix = selected ? "station " + shownName(selected->station) + " " + kindName(selected->kind) +
                                              " " + std::to_string(selected->year) + ":"
                                        : "";
    for (const std::string& note : records.notes())
        if (note.starts_with(prefix)) err << "tellvane: note: " << note << '\n';
    if (selected && !selected->note.empty()) err << "tellvane: note: " << selected->note << '\n';
}

}  // namespace tellvane
