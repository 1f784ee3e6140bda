#include "config/programm/programms.h"

namespace olma::config {

Programms::Programms(unsigned char* image, int deviceType, int reserved) : ConfigItem(image, deviceType, reserved) {}

} // namespace olma::config
