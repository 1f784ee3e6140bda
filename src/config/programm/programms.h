#pragma once

#include "config/configitem.h"

namespace olma::config {

// "Активация реле (выходов)": the relay-activation programs, one per relay or output
// (the section after the loops, up to the end of the image).
class Programms : public ConfigItem
{
public:
    Programms(unsigned char* image, int deviceType, int reserved);
};

} // namespace olma::config
