#pragma once
// The message box as a modal QMessageBox: the style's icon, the prompt, the title
// and one OK button. Returns when the user has closed it.

#include "platform/MessageBox.h"

class QWidget;

namespace tellvane {

class QtMessageBox : public MessageBox {
public:
    /// Boxes are centred on the parent, or on the screen without one.
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}

    void show(const std::u16string& prompt, const std::u16string& title, int style) override;

private:
    QWidget* parent_;
};

}  // namespace tellvane
