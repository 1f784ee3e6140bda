#include "device/zonesstate.h"

#include "common/cp1251.h"
#include "common/devicetype.h"
#include "common/pagefactory.h"
#include "common/text.h"
#include "device/statehtml.h"
#include "device/statetexts.h"

namespace olma::device {

namespace {
constexpr int kZonesOffset = 26;
constexpr int kZoneBits = 4;
constexpr int kMaxZones = 16;
} // namespace

QWidget* ZonesState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

QByteArray ZonesState::name() const
{
    return cp1251::encode(texts::kZonesTitle);
}

int ZonesState::zoneState(int index) const
{
    return packedField(kZonesOffset, index, kZoneBits, kMaxZones);
}

QString ZonesState::pageHtml() const
{
    return html::numberedStatePage(OLMA_TEXT("PanelState", "Зона контроля"), OLMA_TEXT("PanelState", "Зона %1: "),
                                   texts::kZoneStates, loopCount(deviceType()), [this](int i) { return zoneState(i); });
}

} // namespace olma::device
