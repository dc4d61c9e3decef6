#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <filesystem>

#include "common/Text.h"
#include "hostkit/IniSettingsStore.h"
#include "qt/LoadedLibraryLocation.h"
#include "qt/QtEventPump.h"
#include "qt/QtScreen.h"
#include "qt/QtSettingsStore.h"
#include "tests/qt/TemporaryConfigHome.h"
#include "tests/support/ErrorOf.h"

namespace tellvane {
namespace {

using test::errorOf;

TEST(QtScreen, SizeIsThePrimaryScreensInTwips) {
    QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    QtScreen screen;
    EXPECT_DOUBLE_EQ(screen.widthTwips(), primary->size().width() * 1440.0 / primary->logicalDotsPerInchX());
    EXPECT_DOUBLE_EQ(screen.heightTwips(), primary->size().height() * 1440.0 / primary->logicalDotsPerInchY());
    if (primary->logicalDotsPerInchX() == 96) {
        EXPECT_DOUBLE_EQ(screen.widthTwips(), primary->size().width() * 15.0);
    }
}

Qt::CursorShape overrideShape() {
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::BlankCursor;  // blank: no override cursor at all
}

TEST(QtScreen, BusyPointerIsAnOverrideCursorThatComesOffAgain) {
    QtScreen screen;
    screen.setPointer(MousePointer::Hourglass);
    EXPECT_EQ(overrideShape(), Qt::WaitCursor);
    screen.setPointer(MousePointer::Hourglass);
    screen.setPointer(MousePointer::Default);
    EXPECT_EQ(overrideShape(), Qt::BlankCursor);
    screen.setPointer(MousePointer::Default);
    EXPECT_EQ(overrideShape(), Qt::BlankCursor);
}

TEST(QtScreen, LeavesTheHostsOwnOverrideCursorAlone) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    {
        QtScreen screen;
        screen.setPointer(MousePointer::Default);
        EXPECT_EQ(overrideShape(), Qt::CrossCursor);
        screen.setPointer(MousePointer::Hourglass);
        EXPECT_EQ(overrideShape(), Qt::WaitCursor);
    }  // a screen going away takes its busy pointer with it
    EXPECT_EQ(overrideShape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
}

class SettingsFile : public testing::Test {
protected:
    void write(const QByteArray& text) { ASSERT_TRUE(home.write(QStringLiteral("BRACKENLY"), text)); }
    std::u16string pen(const char* key, const std::u16string& fallback = u"") {
        return store.read(u"BRACKENLY", u"SETTING", fromUtf8(key), fallback);
    }

    test::TemporaryConfigHome home;
    QtSettingsStore store;
};

TEST_F(SettingsFile, LivesUnderTheConfigHome) {
    EXPECT_EQ(QtSettingsStore::filePath(u"BRACKENLY"), home.path() + QStringLiteral("/Tellvane/BRACKENLY.ini"));
}

TEST_F(SettingsFile, PensAreReadFromTheSettingSection) {
    write(
        "[SETTING]\n"
        "Hougan1Pen=3\nHougan2Pen=2\nMojietcPen=1\nSen1Pen=4\nSen2Pen= 5 \nTytlePen=6.5\n"
        "[OTHER]\nSen1Pen=9\n");
    const std::pair<const char*, std::u16string> expected[] = {{"Hougan1Pen", u"3"}, {"Hougan2Pen", u"2"},
                                                               {"MojietcPen", u"1"}, {"Sen1Pen", u"4"},
                                                               {"Sen2Pen", u"5"},    {"TytlePen", u"6.5"}};
    for (const auto& [key, value] : expected) EXPECT_EQ(pen(key), value) << key;
    EXPECT_EQ(store.read(u"BRACKENLY", u"OTHER", u"Sen1Pen", u""), u"9");
}

TEST_F(SettingsFile, AnythingNotStoredGivesTheFallback) {
    EXPECT_EQ(pen("Sen1Pen", u"7"), u"7");  // no file at all
    write("[SETTING]\nSen1Pen=4\n");
    EXPECT_EQ(pen("Sen2Pen", u"fallback"), u"fallback");
    EXPECT_EQ(pen("sen1pen", u"x"), u"x");  // keys match exactly
    EXPECT_EQ(store.read(u"BRACKENLY", u"OTHER", u"Sen1Pen", u"y"), u"y");
    EXPECT_EQ(store.read(u"ANOTHER", u"SETTING", u"Sen1Pen", u"z"), u"z");
}

// The command line reads the same files without a toolkit: it must find what the
// desktop's settings find, in every form a hand-edited file may take.
TEST_F(SettingsFile, TheToolkitFreeStoreReadsWhatQtReads) {
    const char* files[] = {
        "[SETTING]\nSen1Pen=4\n",
        "[SETTING]\r\nSen1Pen = 4 \r\nSen2Pen=\t5\t\r\n",
        "; a comment\n[SETTING]\nSen1Pen=4 ; pen of the step line\nSen2Pen=\"5\"\n",
        "[SETTING]\nSen1Pen=\"4;5\"\nSen2Pen=\"a\\tb\\\"c\\\\\"\n",
        "[SETTING]\nSen1Pen=1, 2 ,3\nSen2Pen=\" x \", y\n",
        "[SETTING]\nSen1Pen=4\nSen1Pen=5\n[OTHER]\nSen2Pen=6\n[SETTING]\nSen2Pen=7\n",
        "[SETTING]\nSen1Pen=\nSen2Pen=\\x41\\101\n",
        "[Setting]\nSen1Pen=4\n[SETTING]\nsen2pen=5\n",
        "Sen1Pen=3\n[SETTING]\nTytlePen=6.5\n",
    };
    IniSettingsStore ini;
    for (const char* file : files) {
        write(file);
        for (const char* key : {"Sen1Pen", "Sen2Pen", "TytlePen", "sen2pen"})
            EXPECT_EQ(ini.read(u"BRACKENLY", u"SETTING", fromUtf8(key), u"-"), pen(key, u"-"))
                << "key " << key << " in:\n"
                << file;
    }
    EXPECT_EQ(IniSettingsStore::filePath(u"BRACKENLY").string(), QtSettingsStore::filePath(u"BRACKENLY").toStdString());
}

TEST_F(SettingsFile, AnUnreadableFileFails) {
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Tellvane/BRACKENLY.ini")));  // a directory, not a file
    EXPECT_EQ(errorOf([&] { pen("Sen1Pen"); }), kFileAccess);
}

TEST(LoadedLibraryLocation, IsTheDirectoryOfTheLoadedCodeUnlessAHostNamesOne) {
    // The library is linked statically, so the code sits in this test program.
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe");
    LoadedLibraryLocation location;
    EXPECT_EQ(location.directory(), fromUtf8(self.parent_path().string()));
    location.setDirectory(u"/srv/charts/");
    EXPECT_EQ(location.directory(), u"/srv/charts");
    location.resetDirectory();
    EXPECT_EQ(location.directory(), fromUtf8(self.parent_path().string()));
}

TEST(QtEventPump, ProcessesWhatIsPending) {
    QtEventPump pump;
    int ran = 0;
    QObject context;
    QMetaObject::invokeMethod(
        &context, [&] { ++ran; }, Qt::QueuedConnection);
    pump.processPending();
    EXPECT_EQ(ran, 1);
    pump.processPending();  // nothing pending: returns after a short wait
    EXPECT_EQ(ran, 1);
}

TEST(QtEventPump, AWaitEndsWithAnEventThatArrivesLater) {
    QtEventPump pump;
    bool fired = false;
    QTimer::singleShot(30, [&] { fired = true; });
    int rounds = 0;
    while (!fired && rounds < 100000) {
        pump.processPending();
        ++rounds;
    }
    EXPECT_TRUE(fired);
    EXPECT_GE(rounds, 1);
}

}  // namespace
}  // namespace tellvane
