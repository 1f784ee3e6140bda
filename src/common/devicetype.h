#pragma once

namespace olma {

// The panel model as the program counts it (the "--model" 4, 8, 16 of olma-cli, the model index
// in configuration files and the type choice): plain ints travel through the models, these
// names say which is which.
enum DeviceType : int
{
    Olma4Ex = 0,
    Olma8Ex = 1,
    Olma16Ex = 2,
};

// Model code of the identify answer (its low byte) to the model index.
constexpr int deviceTypeFromModelCode(unsigned code)
{
    return code == 0x10 ? Olma16Ex : code == 0x08 ? Olma8Ex : Olma4Ex;
}

// Alarm loops (and zones) of a model; an unknown model counts as the 4-loop one.
constexpr int loopCount(int deviceType)
{
    return deviceType == Olma8Ex ? 8 : deviceType == Olma16Ex ? 16 : 4;
}

// Controlled "ИП" outputs of a model (and so its ИП programs and the outputs each program
// drives); a model the program does not know keeps all eight, so nothing of its image is lost.
constexpr int ipOutputCount(int deviceType)
{
    return deviceType == Olma4Ex ? 2 : deviceType == Olma8Ex ? 4 : 8;
}

} // namespace olma
