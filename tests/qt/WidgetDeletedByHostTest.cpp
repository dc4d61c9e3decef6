// A host that deletes the control widget inside one of the control's calls into
// it: the member ends with error 364 and nothing touches the deleted widget (the
// sanitized build runs this too, where a use after free aborts).
#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

#include <functional>

#include "qt/TZenzuWidget.h"
#include "recording/RecordingPlotDocument.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/YearHost.h"

namespace tellvane {
namespace {

using test::errorOf;

// Parts of the host's own that run a hook when the control calls them.
struct HookedBox : MessageBox {
    std::function<void()> onShow;
    void show(const std::u16string&, const std::u16string&, int) override { onShow(); }
};
struct HookedSettings : test::FakeSettings {
    std::function<void()> onRead;
    std::u16string read(const std::u16string& app, const std::u16string& section, const std::u16string& key,
                        const std::u16string& fallback) override {
        onRead();
        return FakeSettings::read(app, section, key, fallback);
    }
};

struct Host {
    test::YearHost year = test::YearHost::daily(2001, [](int, int d) { return std::u16string(d % 2 ? u"3" : u"5"); });
    HookedBox box;
    HookedSettings settings;
    RecordingPlotDocumentFactory documents;
    TZenzuWidget* widget = nullptr;

    explicit Host(bool ownMessageBox) {
        documents.polls().busyFor = 5;  // the page is awaited through the event pump
        TZenzuWidget::Parts parts;
        parts.messageBox = ownMessageBox ? nullptr : &box;
        parts.settings = &settings;
        parts.plotDocuments = &documents;
        widget = new TZenzuWidget(parts);
        widget->resize(400, 300);
        widget->setEvents(&year);
        box.onShow = [] {};
        settings.onRead = [] {};
    }
    void deleteWidget() { delete widget; }
};

TEST(TZenzuWidget, AHostMayDeleteItInsideACallIntoIt) {
    struct Case {
        const char* where;
        std::function<void(Host&)> arm;  // makes the host delete the widget there
        bool plot;                       // the call comes from NenzuSakuzu, after NenZu
        bool ownMessageBox = false;      // the widget's modal box instead of the host's
    } const cases[] = {
        {"a slot of GetBlockData",
         [](Host& h) {
             QObject::connect(h.widget, &TZenzuWidget::GetBlockData, [&h](std::int32_t& datano, BlockArray&, bool&) {
                 if (datano == 7) h.deleteWidget();
             });
         },
         false},
        {"a slot of GetLKansokujo",
         [](Host& h) {
             QObject::connect(h.widget, &TZenzuWidget::GetLKansokujo,
                              [&h](QString&, QString&, QString&, QString&) { h.deleteWidget(); });
         },
         false},
        {"the event object's GetBlockData",
         [](Host& h) {
             h.year.changeDatano = [&h](std::int32_t& datano) {
                 if (datano == 36) h.deleteWidget();
             };
         },
         false},
        {"the host's message box",
         [](Host& h) {
             h.year.failAtBlock = 2;
             h.box.onShow = [&h] { h.deleteWidget(); };
         },
         false},
        {"a slot the widget's modal message box runs",
         [](Host& h) {
             h.year.failAtBlock = 2;
             QTimer::singleShot(0, h.widget, [&h] { h.deleteWidget(); });
         },
         false, true},
        {"the host's settings", [](Host& h) { h.settings.onRead = [&h] { h.deleteWidget(); }; }, true},
        {"a slot the wait for the page runs",
         [](Host& h) { QTimer::singleShot(0, h.widget, [&h] { h.deleteWidget(); }); }, true},
    };
    for (const auto& c : cases) {
        Host host(c.ownMessageBox);
        const QPointer<TZenzuWidget> alive = host.widget;
        TZenzu& control = host.widget->control();
        if (c.plot) {
            ASSERT_TRUE(control.NenZu()) << c.where;
        }
        c.arm(host);
        const int error = errorOf([&] { c.plot ? control.NenzuSakuzu() : void(control.NenZu()); });
        EXPECT_EQ(error, kObjectUnloaded) << c.where;
        EXPECT_TRUE(alive.isNull()) << c.where;
        EXPECT_EQ(host.documents.alive(), 0) << c.where;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << c.where;  // no busy pointer left behind
    }
}

}  // namespace
}  // namespace tellvane
