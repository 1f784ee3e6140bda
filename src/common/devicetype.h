#pragma once

// The panel model as the program counts it: 0, 1, 2 for the 4-, 8- and 16-loop panels.
namespace olma {

// Model code of the identify answer (its low byte) to the model index.
constexpr int deviceTypeFromModelCode(unsigned code)
{
    return code == 0x10 ? 2 : code == 0x08 ? 1 : 0;
}

// Alarm loops (and zones) of a model; an unknown model counts as the 4-loop one.
constexpr int loopCount(int deviceType)
{
    return deviceType == 1 ? 8 : deviceType == 2 ? 16 : 4;
}

} // namespace olma
