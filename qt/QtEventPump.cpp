#include "qt/QtEventPump.h"

#include <QAbstractEventDispatcher>
#include <QThread>
#include <chrono>
#include <thread>

namespace tellvane {

QtEventPump::QtEventPump() {
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

void QtEventPump::processPending() {
    QAbstractEventDispatcher* dispatcher = QThread::currentThread()->eventDispatcher();
    if (!dispatcher) {
        // No event loop on this thread: nothing to process, only the pause.
        std::this_thread::sleep_for(std::chrono::milliseconds(kIdleWaitMs));
        return;
    }
    if (dispatcher->processEvents(QEventLoop::AllEvents)) return;
    // Nothing was pending: block until an event arrives or the timer ends the wait.
    wake_.start(kIdleWaitMs);
    dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
}

}  // namespace tellvane
