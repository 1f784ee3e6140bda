#pragma once

#include <QByteArray>

#include <vector>

namespace olma::device {

class IDeviceGUIWidget;

// A node of the device-state tree: the root or one section of the panel's status record.
class IDeviceItem
{
public:
    virtual ~IDeviceItem() = default;

    virtual std::vector<IDeviceItem*> children() const = 0;
    // The section title in Windows-1251, as the panel's texts are kept.
    virtual QByteArray name() const = 0;
    // Appends a child; a null pointer is ignored.
    virtual void addChild(IDeviceItem* child) = 0;
    // Hands over the 84-byte status record (bytes 0..3 hold the identify answer).
    virtual void setData(const std::vector<unsigned char>& data) = 0;
    // Model index: 0, 1, 2 for the 4-, 8- and 16-loop panels.
    virtual int deviceType() const = 0;
    // Attaches the view that shows this item; it is refreshed on every record.
    virtual void setGuiWidget(IDeviceGUIWidget* widget) = 0;
};

} // namespace olma::device
