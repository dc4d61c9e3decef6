#pragma once
// The primary screen of a Qt application: its size in twips at its logical
// resolution, and the application-wide busy pointer as an override cursor.

#include "platform/Screen.h"

namespace tellvane {

class QtScreen : public Screen {
public:
    QtScreen() = default;
    ~QtScreen() override;
    QtScreen(const QtScreen&) = delete;
    QtScreen& operator=(const QtScreen&) = delete;

    /// Fails with Invalid procedure call when the application has no screen.
    double widthTwips() override;
    double heightTwips() override;
    /// The busy pointer over the whole application, or back to what it was before.
    void setPointer(MousePointer pointer) override;

private:
    bool busy_ = false;
};

}  // namespace tellvane
