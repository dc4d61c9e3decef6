#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <vector>

#include "hostkit/TenDayBlocks.h"
#include "platform/Palette.h"
#include "qt/QtMessageBox.h"
#include "qt/StderrMessageBox.h"
#include "qt/TZenzuWidget.h"
#include "recording/RecordingPlotDocument.h"
#include "tests/qt/Pixels.h"
#include "tests/qt/TemporaryConfigHome.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/Trace.h"
#include "tests/support/YearHost.h"

namespace tellvane {
namespace {

using test::countRgb;
using test::errorOf;

const std::u16string kPrompt = u"水位データ読込みエラーです。\r\n何かキーを押してください。";
const std::u16string kTitle = u"確認";

QWidget* picture1(TZenzuWidget& w) { return w.findChild<QWidget*>(QStringLiteral("Picture1")); }

TEST(TZenzuWidget, Picture1CoversTheClientAreaThroughEveryResize) {
    TZenzuWidget w;
    w.show();
    ASSERT_NE(picture1(w), nullptr);
    for (const QSize size : {QSize(400, 300), QSize(1024, 768), QSize(0, 0), QSize(320, 1), QSize(640, 480)}) {
        w.resize(size);
        EXPECT_EQ(w.size(), size);
        EXPECT_EQ(picture1(w)->geometry(), QRect(QPoint(0, 0), size));
        EXPECT_EQ(w.picture().scaleWidth(), static_cast<float>(size.width()));
        EXPECT_EQ(w.picture().scaleHeight(), static_cast<float>(size.height()));
    }
}

TEST(TZenzuWidget, AChartDrawnBeforeTheWidgetIsShownFillsTheSizeGivenWhileHidden) {
    // Qt delivers a hidden widget's resize only when it is shown.
    test::YearHost host = test::YearHost::daily(2001, [](int m, int) { return std::u16string(m % 2 ? u"3" : u"5"); });
    TZenzuWidget w;
    w.setEvents(&host);
    w.resize(400, 300);
    ASSERT_TRUE(w.control().NenZu());
    EXPECT_EQ(w.picture().image().size(), QSize(400, 300));
    EXPECT_EQ(picture1(w)->geometry(), QRect(0, 0, 400, 300));
    // The frame's lower right corner where a 400 x 300 chart puts it.
    EXPECT_TRUE(test::isPalette(w.picture().image(), 390, 280, kGrey));
    w.show();
    EXPECT_TRUE(test::isPalette(w.picture().image(), 390, 280, kGrey)) << "showing keeps the chart";
}

TEST(TZenzuWidget, Picture1PaintsThePictureWhenExposed) {
    test::YearHost host = test::YearHost::daily(2001, [](int m, int) { return std::u16string(m % 2 ? u"3" : u"5"); });
    TZenzuWidget w;
    w.setEvents(&host);
    w.show();
    w.resize(500, 400);
    ASSERT_TRUE(w.control().NenZu());
    const QImage shown = picture1(w)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, w.picture().image());
    const QImage part = picture1(w)->grab(QRect(100, 50, 200, 120)).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(part, w.picture().image().copy(100, 50, 200, 120));
}

TEST(TZenzuWidget, ResizingToZeroRaisesNoError) {
    test::YearHost host = test::YearHost::daily(2001, [](int, int d) { return std::u16string(d % 2 ? u"3" : u"5"); });
    TZenzuWidget w;
    w.setEvents(&host);
    w.show();
    w.resize(400, 300);
    ASSERT_TRUE(w.control().NenZu());
    w.resize(0, 0);
    EXPECT_EQ(w.picture().placement(), QRect(0, 0, 0, 0));
    EXPECT_EQ(errorOf([&] { w.control().Resize(); }), 0);
    EXPECT_EQ(errorOf([&] { w.control().ReGRaph(); }), 0);
    w.resize(200, 150);
    EXPECT_EQ(errorOf([&] { w.control().ReGRaph(); }), 0);
    EXPECT_GT(countRgb(w.picture().image(), w.picture().image().rect(), paletteRgb(kLightRed)), 0);
}

TEST(TZenzuWidget, ASlotFillsTheBlockByReferenceAndTheChartIsDrawn) {
    TZenzuWidget w;
    w.show();
    w.resize(400, 300);
    std::vector<std::int32_t> asked;
    QObject::connect(&w, &TZenzuWidget::GetBlockData, [&](std::int32_t& datano, BlockArray& Suii, bool& ret) {
        asked.push_back(datano);
        fillBlock(Suii, blockSpan(2001, datano), [](int day, int) { return day % 3 ? u"4.5" : u"7"; });
        ret = true;
    });
    w.control().setSeireki(2001);
    ASSERT_TRUE(w.control().NenZu());
    ASSERT_EQ(asked.size(), 36u);
    EXPECT_EQ(asked.front(), 1);
    EXPECT_EQ(asked.back(), 36);
    EXPECT_GT(countRgb(w.picture().image(), w.picture().image().rect(), paletteRgb(kLightRed)),
              365);  // every day has a bar
}

TEST(TZenzuWidget, ASlotsStationNamesAreDrawnAndTheNumberStays) {
    auto namesLine = [](bool answer) {
        TZenzuWidget w;
        w.show();
        w.resize(600, 300);
        w.control().setKansokujoNO(u"301011281104020");
        QString seen;
        QObject::connect(&w, &TZenzuWidget::GetLKansokujo,
                         [&](QString& Wok, QString& Kansokujo, QString& Suikei, QString& Kasen) {
                             seen = Wok;
                             if (!answer) return;
                             Wok = QStringLiteral("999");
                             Kansokujo = QStringLiteral("茂志利");
                             Suikei = QStringLiteral("天塩川");
                             Kasen = QStringLiteral("天塩川");
                         });
        w.control().ReGRaph();
        EXPECT_EQ(seen, QStringLiteral("301011281104020"));
        EXPECT_EQ(w.control().KansokujoNO(), u"301011281104020");
        return w.picture().image().copy(QRect(0, 38, 600, 18));
    };
    const QImage answered = namesLine(true), unanswered = namesLine(false);
    EXPECT_NE(answered, unanswered);
    EXPECT_GT(countRgb(answered, answered.rect(), 0xFFFFFF), 0);
}

TEST(TZenzuWidget, TheHostsEventObjectAndTheSignalsBothServe) {
    test::YearHost host = test::YearHost::daily(2001, [](int, int) { return std::u16string(u"3"); });
    TZenzuWidget w;
    w.setEvents(&host);
    int signalled = 0;
    QObject::connect(&w, &TZenzuWidget::GetBlockData, [&](std::int32_t&, BlockArray&, bool& ret) {
        EXPECT_TRUE(ret);  // the event object answered first
        ++signalled;
    });
    EXPECT_TRUE(w.control().NenZu());
    EXPECT_EQ(signalled, 36);
    EXPECT_EQ(host.blocksRaised.size(), 36u);
    EXPECT_EQ(host.nameCalls, 1);
}

TEST(TZenzuWidget, AFailedBlocksMessageGoesToTheGivenMessageBox) {
    StderrMessageBox box;
    TZenzuWidget::Parts parts;
    parts.messageBox = &box;
    TZenzuWidget w(parts);
    test::YearHost host = test::YearHost::daily(2001, [](int, int) { return std::u16string(u"3"); });
    host.failAtBlock = 3;
    w.setEvents(&host);
    testing::internal::CaptureStderr();
    const bool drawn = w.control().NenZu();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(drawn);
    EXPECT_NE(err.find("確認\n水位データ読込みエラーです。\n何かキーを押してください。\n"), std::string::npos) << err;
}

TEST(TZenzuWidget, ThePlottedPageTakesItsPensFromTheSettingsFile) {
    test::TemporaryConfigHome home;
    ASSERT_TRUE(home.write(QStringLiteral("BRACKENLY"),
                           "[SETTING]\nHougan1Pen=1\nHougan2Pen=7\nMojietcPen=0\nSen2Pen=3\nSen1Pen=4\nTytlePen=8\n"));
    RecordingPlotDocumentFactory documents;
    documents.polls().busyFor = 3;
    TZenzuWidget::Parts parts;
    parts.plotDocuments = &documents;
    TZenzuWidget w(parts);
    test::YearHost host = test::YearHost::daily(2001, [](int, int d) { return std::u16string(d % 2 ? u"3" : u"5"); });
    w.setEvents(&host);
    w.libraryLocation().setDirectory(u"/srv/charts");
    ASSERT_TRUE(w.control().NenZu());
    w.control().NenzuSakuzu();
    const auto& lines = documents.lines();
    EXPECT_TRUE(test::hasLine(lines, "DrawTitle", "\"pen\":8"));
    EXPECT_TRUE(test::hasLine(lines, "DrawLine", "\"pen\":\"3\""));  // the staircase's pen, handed on as text
    EXPECT_TRUE(test::hasLine(lines, "DrawLine", "\"pen\":7"));
    EXPECT_TRUE(test::hasLine(lines, "OutputToFile", "/srv/charts/M_g_l.kvd"));
    EXPECT_TRUE(test::hasLine(lines, "CloseDocument", ""));
    EXPECT_EQ(documents.alive(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // the busy pointer is gone again
}

TEST(TZenzuWidget, ByDefaultThePlottedPageIsWrittenAsPdfBesideTheLibrary) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TZenzuWidget w;
    test::YearHost host = test::YearHost::daily(2023, [](int, int d) { return std::u16string(d % 2 ? u"3" : u"5"); });
    w.setEvents(&host);
    w.libraryLocation().setDirectory(dir.path().toStdU16String());
    ASSERT_TRUE(w.control().NenZu());
    w.control().NenzuSakuzu();
    QFile page(dir.filePath(QStringLiteral("M_g_l.kvd")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.read(5).startsWith("%PDF-"));
}

TEST(QtMessageBox, IsAModalCriticalBoxWithOneOkButton) {
    QtMessageBox box;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*> buttons;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        modal = shown->isModal();
        title = shown->windowTitle();
        text = shown->text();
        icon = shown->icon();
        buttons = shown->buttons();
        shown->accept();
    });
    box.show(kPrompt, kTitle, kCriticalOk);
    EXPECT_TRUE(modal);
    EXPECT_EQ(title, QStringLiteral("確認"));
    EXPECT_EQ(text, QStringLiteral("水位データ読込みエラーです。\n何かキーを押してください。"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons.size(), 1);
}

}  // namespace
}  // namespace tellvane
