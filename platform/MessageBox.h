#pragma once
// A modal message box; returns when the user has closed it.

#include <string>

namespace tellvane {

/// Critical-error icon with a single OK button.
constexpr int kCriticalOk = 16;

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::u16string& prompt, const std::u16string& title, int style) = 0;
};

}  // namespace tellvane
