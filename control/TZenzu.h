#pragma once
// The annual-chart control. A host sets the station, year and kind, calls NenZu,
// answers the events, and reads back the axis range and the year's numbers.
// Every member but the resize handler lets a run-time error (tellvane::Error)
// reach the caller; one instance is used from one thread.
//
// As with any C++ object, a member must not destroy the object it runs on: a host
// must not destroy the control, or the platform parts it was given, inside one of
// the control's own calls into the host (GetBlockData, GetLKansokujo, a call of the
// surface, the message box or the event pump while the page is awaited). The
// member would go on with freed memory. A host that wants to close on such an event
// records the wish and destroys the control once the member has returned.

#include <cstdint>
#include <string>
#include <utility>

#include "chartinput/ChartSource.h"
#include "control/TZenzuEvents.h"
#include "platform/Platform.h"
#include "yeardata/AnnualStore.h"

namespace tellvane {

class TZenzu : private ChartSource {
public:
    /// The platform's pieces must outlive the control.
    explicit TZenzu(const Platform& platform);

    /// Where the events go; nullptr (the default) is a host without handlers.
    void setEvents(TZenzuEvents* events) { events_ = events; }

    /// Station number, printed and handed to GetLKansokujo.
    const std::u16string& KansokujoNO() const override { return KansokujoNO_; }
    void setKansokujoNO(std::u16string v) { KansokujoNO_ = std::move(v); }
    /// Upper limit of the value axis as text; NenZu overwrites it.
    const std::u16string& txtMax() const override { return txtMax_; }
    void settxtMax(std::u16string v) { txtMax_ = std::move(v); }
    /// Lower limit of the value axis as text; NenZu overwrites it.
    const std::u16string& txtMin() const override { return txtMin_; }
    void settxtMin(std::u16string v) { txtMin_ = std::move(v); }
    /// Data kind: "7" discharge, "4" adds the daily mid-range, anything else level.
    const std::u16string& Mode() const override { return Mode_; }
    void setMode(std::u16string v) { Mode_ = std::move(v); }
    /// The Western year the chart shows; 0 prints no year.
    std::int32_t Seireki() const override { return Seireki_; }
    void setSeireki(std::int32_t v) { Seireki_ = v; }

    /// The screen's width in points.
    float ScreenWidth();
    /// The screen's height in points.
    float ScreenHeight();

    /// Loads the year through GetBlockData, evaluates it and draws the screen chart.
    /// False (after a message box) when the host reports a block as not loaded.
    bool NenZu();
    /// Draws the screen chart again from the stored year and the current values.
    void ReGRaph();
    /// Draws the chart as a vector page and hands it to the plot document's output.
    void NenzuSakuzu();

    /// The container's resize notification: Picture1 is fitted to the client area;
    /// failures are ignored and nothing is redrawn.
    void Resize();

    /// The year as the last NenZu left it.
    const AnnualStore& store() const override { return store_; }

private:
    void raiseGetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                            std::u16string& Kasen) override;

    Platform platform_;
    TZenzuEvents* events_ = nullptr;
    std::u16string KansokujoNO_, txtMax_, txtMin_, Mode_;
    std::int32_t Seireki_ = 0;
    AnnualStore store_;
};

}  // namespace tellvane
