#include "yearhost/DrawableNames.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "common/Error.h"
#include "common/Text.h"
#include "pagewriter/PageWriterOptions.h"
#include "pagewriter/Typeface.h"
#include "records/ShownText.h"

namespace tellvane {
namespace {

std::shared_ptr<const pagewriter::Typeface> chartFace() {
    try {
        return pagewriter::Typeface::load(pagewriter::existingFile(pagewriter::defaultTypefaces().front()));
    } catch (const Error&) {
        return nullptr;
    }
}

void checkText(const std::u16string& text, const char* what, const pagewriter::Typeface& face, const InputPlace& from) {
    const std::optional<std::u32string> points = codePointsOf(text);
    if (!points) return;  // the readers refuse broken text
    for (const char32_t c : *points) {
        if (face.glyph(c)) continue;
        char code[12];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        throw from.error(std::string(what) + " '" + shownName(text) + "' holds " + code + ", which the typeface " +
                         face.path() + " cannot draw");
    }
}

}  // namespace

void checkNamesDrawable(const StationNames& names) {
    if (names.from.file.empty()) return;
    const auto face = chartFace();
    if (!face) return;
    checkText(names.Kansokujo, "the name", *face, names.from);
    checkText(names.Suikei, "the water system", *face, names.from);
    checkText(names.Kasen, "the river", *face, names.from);
}

}  // namespace tellvane
