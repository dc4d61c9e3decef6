#pragma once
// The host's container of the control: the control's client area in twips.

namespace tellvane {

class HostContainer {
public:
    virtual ~HostContainer() = default;
    virtual float scaleLeft() = 0;
    virtual float scaleTop() = 0;
    virtual float scaleWidth() = 0;
    virtual float scaleHeight() = 0;
};

}  // namespace tellvane
