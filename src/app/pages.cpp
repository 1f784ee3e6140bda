#include "app/pages.h"

namespace olma::gui {

void registerPages()
{
    registerConfigPages();
    registerDevicePages();
    registerLogPages();
}

} // namespace olma::gui
