#pragma once

namespace olma::device {

// A page that shows one device-state section.
class IDeviceGUIWidget
{
public:
    virtual ~IDeviceGUIWidget() = default;

    // Re-renders the page from its section.
    virtual void update() = 0;
};

} // namespace olma::device
