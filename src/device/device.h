#pragma once

#include "common/iguisetup.h"
#include "device/deviceitem.h"

#include <cstdint>
#include <memory>

namespace olma::device {

class AccessState;
class CommonState;
class FaultState;
class ReleysStates;
class TailsState;
class ZonesState;

// The live state of the connected panel: the root of the six state sections, fed with the
// status record after every poll, and the source of their page buttons.
class Device : public olma::IGuiSetup, public DeviceItem
{
public:
    Device();
    ~Device() override;

    // One entry per section, in page order, without icons.
    QList<GuiEntry> guiItems() override;
    bool guiEnabled() const override { return _guiEnabled; }
    void setGuiEnabled(bool enabled) override { _guiEnabled = enabled; }

    void update() override;

    // Model index, firmware version and serial number as the common section read them.
    int deviceType() const override;
    uint8_t version() const;
    uint16_t serialNumber() const;

    CommonState* commonState() const { return _common.get(); }
    FaultState* faultState() const { return _faults.get(); }
    TailsState* tailsState() const { return _tails.get(); }
    ZonesState* zonesState() const { return _zones.get(); }
    AccessState* accessState() const { return _access.get(); }
    ReleysStates* releysStates() const { return _releys.get(); }

private:
    std::unique_ptr<CommonState> _common;
    std::unique_ptr<FaultState> _faults;
    std::unique_ptr<TailsState> _tails;
    std::unique_ptr<ZonesState> _zones;
    std::unique_ptr<AccessState> _access;
    std::unique_ptr<ReleysStates> _releys;
    // The state pages mean nothing until a panel answers.
    bool _guiEnabled = false;
};

} // namespace olma::device
