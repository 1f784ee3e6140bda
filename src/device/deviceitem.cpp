#include "device/deviceitem.h"

namespace olma::device {

QWidget* DeviceItem::createWidget(QWidget*)
{
    return nullptr;
}

QByteArray DeviceItem::name() const
{
    return {};
}

void DeviceItem::addChild(IDeviceItem* child)
{
    if (child)
        _children.push_back(child);
}

void DeviceItem::setData(const std::vector<unsigned char>& data)
{
    _data = data;
    _staleSince = QTime();
    int type = _deviceType;
    if (!_data.empty())
        type = modelIndexFromCode(_data[kModelCodeOffset], _deviceType);
    setDeviceType(type);
    for (IDeviceItem* child : _children)
        child->setData(_data);
    update();
}

void DeviceItem::setStale(const QTime& since)
{
    if (!isStale())
        _staleSince = since;
    for (IDeviceItem* child : _children) {
        if (auto* item = dynamic_cast<DeviceItem*>(child))
            item->setStale(since);
    }
    if (IDeviceGUIWidget* view = guiWidget())
        view->update();
}

void DeviceItem::setGuiWidget(IDeviceGUIWidget* widget)
{
    // A new page may be allocated where a closed one was, so an expired watch counts as a change.
    const bool expired = _guiWatched && !_guiObject;
    if (widget == _guiWidget && !expired)
        return;
    _guiWidget = widget;
    auto* object = dynamic_cast<QObject*>(widget);
    _guiObject = object;
    _guiWatched = object != nullptr;
}

IDeviceGUIWidget* DeviceItem::guiWidget() const
{
    if (_guiWatched && !_guiObject)
        return nullptr;
    return _guiWidget;
}

void DeviceItem::update()
{
    for (IDeviceItem* child : _children) {
        if (auto* priv = dynamic_cast<IDeviceItemPriv*>(child))
            priv->update();
    }
}

void DeviceItem::setDeviceType(const int& type)
{
    _deviceType = type;
    for (IDeviceItem* child : _children) {
        if (auto* priv = dynamic_cast<IDeviceItemPriv*>(child))
            priv->setDeviceType(type);
    }
}

int DeviceItem::modelIndexFromCode(unsigned char code, int previous)
{
    constexpr unsigned char kFourLoops = 0x04;
    constexpr unsigned char kEightLoops = 0x08;
    constexpr unsigned char kSixteenLoops = 0x10;
    switch (code) {
    case kFourLoops:
        return 0;
    case kEightLoops:
        return 1;
    case kSixteenLoops:
        return 2;
    default:
        return previous;
    }
}

} // namespace olma::device
