#include "qt/QtMessageBox.h"

#include <QMessageBox>
#include <QPointer>

#include "qt/MessageText.h"

namespace tellvane {
namespace {

// The icon bits of the classic style word.
QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

void QtMessageBox::show(const std::u16string& prompt, const std::u16string& title, int style) {
    // On the heap: a host that deletes the parent while the box is open deletes the
    // box with it, and exec returns.
    const QPointer<QMessageBox> box =
        new QMessageBox(iconOf(style), messageText(title), messageText(prompt), QMessageBox::Ok, parent_);
    box->setTextFormat(Qt::PlainText);
    box->exec();
    delete box;
}

}  // namespace tellvane
