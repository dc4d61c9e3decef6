#include "qt/EventRelay.h"

#include <QString>

#include "qt/TZenzuWidget.h"

namespace tellvane {

void EventRelay::GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) {
    if (host_) guard_([&] { host_->GetBlockData(datano, Suii, ret); });
    guard_([&] { emit widget_.GetBlockData(datano, Suii, ret); });
}

void EventRelay::GetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                               std::u16string& Kasen) {
    if (host_) guard_([&] { host_->GetLKansokujo(Wok, Kansokujo, Suikei, Kasen); });
    QString w = QString::fromStdU16String(Wok), k = QString::fromStdU16String(Kansokujo),
            s = QString::fromStdU16String(Suikei), r = QString::fromStdU16String(Kasen);
    guard_([&] { emit widget_.GetLKansokujo(w, k, s, r); });
    Wok = w.toStdU16String();
    Kansokujo = k.toStdU16String();
    Suikei = s.toStdU16String();
    Kasen = r.toStdU16String();
}

}  // namespace tellvane
