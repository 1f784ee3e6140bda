#include "app/pages.h"

#include "common/pagefactory.h"
#include "device/accessstate.h"
#include "device/accessstatewidget.h"
#include "device/commonstate.h"
#include "device/commonstatewidget.h"
#include "device/faultstate.h"
#include "device/faultstatewidget.h"
#include "device/releysstates.h"
#include "device/releysstateswidget.h"
#include "device/tailsstate.h"
#include "device/tailsstatewidget.h"
#include "device/zonesstate.h"
#include "device/zonesstatewidget.h"

namespace olma::gui {

// The panel's live state: one page per section of the state record.
void registerDevicePages()
{
    using namespace olma::device;
    pages::registerPage<device::AccessState, AccessStateWidget>();
    pages::registerPage<device::CommonState, CommonStateWidget>();
    pages::registerPage<device::FaultState, FaultStateWidget>();
    pages::registerPage<device::ReleysStates, ReleysStatesWidget>();
    pages::registerPage<device::TailsState, TailsStateWidget>();
    pages::registerPage<device::ZonesState, ZonesStateWidget>();
}

} // namespace olma::gui
