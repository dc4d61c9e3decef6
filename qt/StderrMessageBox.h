#pragma once
// The message box of a host without a display: the title and the prompt go to
// standard error, one line each, and the call returns at once.

#include "platform/MessageBox.h"

namespace tellvane {

class StderrMessageBox : public MessageBox {
public:
    void show(const std::u16string& prompt, const std::u16string& title, int style) override;
};

}  // namespace tellvane
