#pragma once
// The whole screen: its size, and the screen-wide mouse pointer.

namespace tellvane {

enum class MousePointer : int { Default = 0, Hourglass = 11 };

class Screen {
public:
    virtual ~Screen() = default;
    virtual double widthTwips() = 0;
    virtual double heightTwips() = 0;
    virtual void setPointer(MousePointer pointer) = 0;
};

}  // namespace tellvane
