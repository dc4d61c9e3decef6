#include "control/TZenzu.h"

#include "common/RealCheck.h"
#include "platform/DrawingSurface.h"
#include "platform/HostContainer.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "plot/NenzuSakuzu.h"
#include "screenchart/DrawGraph.h"
#include "yeardata/YearAssembly.h"

namespace tellvane {
namespace {

const std::u16string kLoadErrorPrompt = u"水位データ読込みエラーです。\r\n何かキーを押してください。";
const std::u16string kLoadErrorTitle = u"確認";
constexpr std::uint32_t kWhite = 0xFFFFFF;

// One placement step of the resize handler; a refusal is ignored, whatever a
// surface or container throws: a host's realisation need not throw std::exception.
template <typename F>
void attempt(F&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

TZenzu::TZenzu(const Platform& platform) : platform_(platform) { store_.clear(); }

float TZenzu::ScreenWidth() { return single(platform_.screen.widthTwips() * 0.05); }
float TZenzu::ScreenHeight() { return single(platform_.screen.heightTwips() * 0.05); }

bool TZenzu::NenZu() {
    const BlockRequest request = [this](std::int32_t& datano, BlockArray& Suii) {
        bool ret = false;
        if (events_) events_->GetBlockData(datano, Suii, ret);
        return ret;
    };
    if (assembleYear(store_, {Mode_, txtMax_, txtMin_}, request) == Assembly::BlockNotLoaded) {
        platform_.messageBox.show(kLoadErrorPrompt, kLoadErrorTitle, kCriticalOk);
        return false;
    }
    platform_.picture.setBackground(kWhite);
    DrawGraph(*this, platform_.picture);
    return true;
}

void TZenzu::ReGRaph() { DrawGraph(*this, platform_.picture); }

void TZenzu::NenzuSakuzu() { tellvane::NenzuSakuzu(*this, platform_); }

void TZenzu::Resize() {
    HostContainer& c = platform_.container;
    DrawingSurface& p = platform_.picture;
    attempt([&] { p.setLeft(c.scaleLeft()); });
    attempt([&] { p.setTop(c.scaleTop()); });
    attempt([&] { p.setWidth(c.scaleWidth()); });
    attempt([&] { p.setHeight(c.scaleHeight()); });
}

void TZenzu::raiseGetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                                std::u16string& Kasen) {
    if (events_) events_->GetLKansokujo(Wok, Kansokujo, Suikei, Kasen);
}

}  // namespace tellvane
