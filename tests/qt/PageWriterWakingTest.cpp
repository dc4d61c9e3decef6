// The page writer in a Qt host: the end of an output wakes the event loop of the
// thread that handed the page over.
#include <gtest/gtest.h>
#include <QAbstractEventDispatcher>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include "pagewriter/PageDocument.h"
#include "qt/PageWriterWaking.h"

namespace tellvane {
namespace {

TEST(PageWriterWaking, TheEndOfTheOutputWakesAnEventLoopWaitingForEvents) {
    QTemporaryDir dir;
    auto doc = pagewriter::PageDocumentFactory(qtPageWriterOptions()).create();
    doc->StartDocument();
    doc->DrawLine(50, 10, 400, 250, 0, {}, {}, {});
    doc->DrawTitle(180, 268, u"日　水　位　年　図", {}, 9, 9, 0, 0, {}, {});
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
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"page.pdf"});
}

}  // namespace
}  // namespace tellvane
