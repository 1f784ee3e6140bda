#pragma once

namespace olma::device {

// The face of a device-state item that only the tree itself uses.
class IDeviceItemPriv
{
public:
    virtual ~IDeviceItemPriv() = default;

    // Re-decodes the held record and refreshes the attached view.
    virtual void update() = 0;
    // Stores the model index and passes it on to the children.
    virtual void setDeviceType(const int& type) = 0;
};

} // namespace olma::device
