#include "device/device.h"

#include "common/cp1251.h"
#include "device/accessstate.h"
#include "device/attention.h"
#include "device/commonstate.h"
#include "device/faultstate.h"
#include "device/releysstates.h"
#include "device/tailsstate.h"
#include "device/zonesstate.h"

namespace olma::device {

Device::Device()
    : _common(std::make_unique<CommonState>()), _faults(std::make_unique<FaultState>()),
      _tails(std::make_unique<TailsState>()), _zones(std::make_unique<ZonesState>()),
      _access(std::make_unique<AccessState>()), _releys(std::make_unique<ReleysStates>())
{
    // The order of the children is the order of the page buttons.
    addChild(_common.get());
    addChild(_faults.get());
    addChild(_tails.get());
    addChild(_zones.get());
    addChild(_access.get());
    addChild(_releys.get());
    _common->setAttentionSource([this] { return attentionLines(*this); });
}

Device::~Device() = default;

QList<GuiEntry> Device::guiItems()
{
    QList<GuiEntry> entries;
    for (IDeviceItem* child : children())
        entries.append({cp1251::decode(child->name()), QString(), dynamic_cast<olma::IGuiItem*>(child)});
    return entries;
}

void Device::update()
{
    DeviceItem::update();
}

int Device::deviceType() const
{
    return _common->deviceType();
}

uint8_t Device::version() const
{
    return _common->version();
}

uint16_t Device::serialNumber() const
{
    return _common->serialNumber();
}

} // namespace olma::device
