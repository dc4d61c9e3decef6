#include "qt/PageWriterWaking.h"

#include <QAbstractEventDispatcher>

namespace tellvane {

pagewriter::PageWriterOptions qtPageWriterOptions() {
    pagewriter::PageWriterOptions options;
    options.wakeCaller = [] {
        QAbstractEventDispatcher* caller = QAbstractEventDispatcher::instance();
        return std::function<void()>([caller] {
            if (caller) caller->wakeUp();
        });
    };
    return options;
}

}  // namespace tellvane
