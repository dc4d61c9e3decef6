#include "plot/PlotPens.h"

#include "common/Error.h"
#include "common/Text.h"

namespace tellvane {
namespace {

constexpr const char16_t* kApplication = u"BRACKENLY";

// A number pen as Int (Int16 or Int32); a value beyond it fails naming the
// settings file and the key, since the user mends it there.
template <typename Int>
Int readPen(SettingsStore& settings, const std::u16string& key) {
    const std::u16string text = readPenText(settings, key);
    try {
        return Int::fromReal(leadingNumber(text));
    } catch (const Error& e) {
        throw Error(e.number(), e.summary(), "\"" + toUtf8(text) + "\" is beyond the pen's range",
                    {settings.fileOf(kApplication), 0, toUtf8(key)});
    }
}

}  // namespace

std::u16string readPenText(SettingsStore& settings, const std::u16string& key) {
    return settings.read(kApplication, u"SETTING", key, u"");
}

Int16 readPen16(SettingsStore& settings, const std::u16string& key) { return readPen<Int16>(settings, key); }

Int32 readPen32(SettingsStore& settings, const std::u16string& key) { return readPen<Int32>(settings, key); }

GridPens readGridPens(SettingsStore& settings) {
    const Int16 hougan1 = readPen16(settings, u"Hougan1Pen");
    const Int16 hougan2 = readPen16(settings, u"Hougan2Pen");
    const Int16 mojietc = readPen16(settings, u"MojietcPen");
    return {hougan1, hougan2, mojietc};
}

std::u16string stepLinePen(const std::u16string& pen) {
    return pen >= std::u16string(u"1") && pen <= std::u16string(u"6") ? pen : std::u16string(u"2");
}

}  // namespace tellvane
