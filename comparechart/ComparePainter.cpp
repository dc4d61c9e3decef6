#include "comparechart/ComparePainter.h"

namespace tellvane {

double textEms(const std::u16string& text) {
    double ems = 0;
    for (const char16_t c : text) {
        if (c >= 0xDC00 && c <= 0xDFFF) continue;  // the second half of a pair
        const bool half = c < 0x0100 || (c >= 0xFF61 && c <= 0xFF9F);
        ems += half ? 0.5 : 1.0;
    }
    return ems;
}

}  // namespace tellvane
