#include "hostkit/TenDayBlocks.h"

#include "common/Error.h"
#include "common/Text.h"

namespace tellvane {
namespace {

constexpr int kBlocksPerYear = 36;
constexpr int kRowsPerBlock = 11;

void require(bool inRange) {
    if (!inRange) throw Error::subscriptOutOfRange();
}

}  // namespace

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    require(month >= 1 && month <= 12);
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

BlockSpan blockSpan(int year, int datano) {
    require(datano >= 1 && datano <= kBlocksPerYear);
    const int month = (datano - 1) / 3 + 1;
    const int part = (datano - 1) % 3;
    const int first = part * 10 + 1;
    const int days = part < 2 ? 10 : daysInMonth(year, month) - 20;
    return {month, first, days};
}

namespace {

// Checked before the first cell, so that a bad span leaves no half-filled block.
void checkSpan(const BlockSpan& span) {
    require(span.month >= 1 && span.month <= 12);
    require(span.days >= 0 && span.days <= kRowsPerBlock);
    require(span.firstDay >= 1 && span.firstDay <= 31 && span.firstDay + span.days - 1 <= 31);
}

}  // namespace

void fillBlock(BlockArray& Suii, const BlockSpan& span, const HourReading& reading) {
    checkSpan(span);
    Suii(0, 0) = plainInteger(span.days);
    for (int r = 1; r <= span.days; ++r)
        for (int h = kFirstHour; h <= kLastHour; ++h) Suii(h, r) = reading(span.firstDay + r - 1, h);
}

void fillBlock(BlockArray& Suii, const BlockSpan& span, const std::function<const DayReadings*(int day)>& day) {
    checkSpan(span);
    Suii(0, 0) = plainInteger(span.days);
    for (int r = 1; r <= span.days; ++r) {
        const DayReadings* cells = day(span.firstDay + r - 1);
        for (int h = kFirstHour; h <= kLastHour; ++h) {
            if (cells)
                Suii(h, r) = (*cells)[static_cast<std::size_t>(h - kFirstHour)];
            else
                Suii(h, r).clear();
        }
    }
}

}  // namespace tellvane
