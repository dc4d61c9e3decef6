// The background output: its flags, its failures, and files that are whole or absent.
#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "plotdoc/OutputJob.h"
#include "plotdoc/PlotDocErrors.h"
#include "tests/plotdoc/PlotDocTesting.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileSizeLimit.h"

namespace tellvane::plotdoc::test {
namespace {

using tellvane::test::errorOf;
const ReservedWords kZero{};

void drawSomething(PlotDocument& doc) {
    doc.DrawLine(50, 10, 400, 250, 0, {}, {}, {});
    doc.DrawTitle(180, 268, u"日　水　位　年　図", kZero, 9, 9, 0, 0, {}, {});
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

TEST(Output, ActiveFromStartUntilCloseAndDoneWhenTheFileIsWritten) {
    QTemporaryDir dir;
    PdfPlotDocument doc;
    EXPECT_FALSE(doc.Active());
    EXPECT_FALSE(doc.Done());
    doc.StartDocument();
    EXPECT_TRUE(doc.Active());
    EXPECT_FALSE(doc.Done()) << "nothing is output before OutputToFile";
    drawSomething(doc);
    const QString path = dir.filePath("M_g_l.kvd");
    doc.OutputToFile(path.toStdU16String());
    EXPECT_TRUE(doc.Active());
    ASSERT_TRUE(waitUntilDone(doc));
    EXPECT_TRUE(doc.Active()) << "still active until closed";
    doc.CloseDocument();
    EXPECT_FALSE(doc.Active());
    EXPECT_TRUE(contents(path).startsWith("%PDF-")) << ".kvd is written as PDF";
    EXPECT_EQ(entries(dir.path()), QStringList{"M_g_l.kvd"}) << "no temporary file stays behind";
}

TEST(Output, TheEndOfTheOutputWakesAnEventLoopWaitingForEvents) {
    QTemporaryDir dir;
    auto doc = startedDocument();
    drawSomething(*doc);
    // Only the end of the output, or this far-off timer, can end a wait for events.
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] { timedOut = true; });
    guard.start(30000);
    doc->OutputToFile(dir.filePath("page.pdf").toStdU16String());
    QAbstractEventDispatcher* events = QAbstractEventDispatcher::instance();
    ASSERT_NE(events, nullptr);
    while (!doc->Done() && !timedOut) events->processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_FALSE(timedOut);
    doc->CloseDocument();
}

TEST(Output, AnUnwritableDirectoryFailsAtCloseAndLeavesNothing) {
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    // A directory that is a regular file, and one that does not exist: no write
    // permission check is needed, so this holds when the tests run as root too.
    for (const QString& path : {dir.filePath("plain/M_g_l.kvd"), dir.filePath("missing/M_g_l.pdf")}) {
        auto doc = startedDocument();
        drawSomething(*doc);
        doc->OutputToFile(path.toStdU16String());
        ASSERT_TRUE(waitUntilDone(*doc));
        EXPECT_TRUE(doc->Active()) << "a failed output still waits for CloseDocument";
        EXPECT_EQ(errorOf([&] { doc->CloseDocument(); }), kOutputFailed) << path.toStdString();
        EXPECT_FALSE(doc->Active());
    }
    EXPECT_EQ(entries(dir.path()), QStringList{"plain"});
}

using tellvane::test::FileSizeLimit;

TEST(Output, AFailedWriteKeepsTheEarlierFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("M_g_l.kvd");
    {
        auto doc = startedDocument();
        drawSomething(*doc);
        writeTo(*doc, path);
    }
    const QByteArray earlier = contents(path);
    ASSERT_TRUE(earlier.startsWith("%PDF-"));

    auto doc = startedDocument();
    drawSomething(*doc);
    for (int i = 0; i < 200; ++i) doc->DrawText(100, i, u"水位", kZero, 5, 5, 0, 3, {}, {});
    {
        const FileSizeLimit limit(512);
        doc->OutputToFile(path.toStdU16String());
        ASSERT_TRUE(waitUntilDone(*doc));
    }
    EXPECT_EQ(errorOf([&] { doc->CloseDocument(); }), kOutputFailed);
    EXPECT_EQ(contents(path).size(), earlier.size());
    EXPECT_EQ(contents(path), earlier);
    EXPECT_EQ(entries(dir.path()), QStringList{"M_g_l.kvd"});
}

TEST(Output, ARenderingFaultIsReportedAndWritesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("page.pdf");
    OutputJob job([]() -> QByteArray { throw std::runtime_error("no glyphs"); }, path);
    const auto failure = job.wait();
    EXPECT_TRUE(job.done());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, "no glyphs");
    EXPECT_TRUE(entries(dir.path()).isEmpty());
}

TEST(Output, AReleasedDocumentStillFinishesItsFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("page.pdf");
    {
        auto doc = startedDocument();
        drawSomething(*doc);
        doc->OutputToFile(path.toStdU16String());
    }
    EXPECT_TRUE(contents(path).startsWith("%PDF-"));
    EXPECT_TRUE(contents(path).trimmed().endsWith("%%EOF"));
}

}  // namespace
}  // namespace tellvane::plotdoc::test
