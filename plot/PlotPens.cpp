#include "plot/PlotPens.h"

#include "common/Text.h"

namespace tellvane {

std::u16string readPenText(SettingsStore& settings, const std::u16string& key) {
    return settings.read(u"BRACKENLY", u"SETTING", key, u"");
}

Int16 readPen16(SettingsStore& settings, const std::u16string& key) {
    return Int16::fromReal(leadingNumber(readPenText(settings, key)));
}

Int32 readPen32(SettingsStore& settings, const std::u16string& key) {
    return Int32::fromReal(leadingNumber(readPenText(settings, key)));
}

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
