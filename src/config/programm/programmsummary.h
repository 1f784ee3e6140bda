#pragma once

#include "config/imagemap.h"

#include <QString>

#include <array>

namespace olma::config {
class Programm;
}

namespace olma::config::programm {

// The program's active triggers in one line for the program list:
// "ШС 1–3: Пожар-1; БП-А 1: ОП"; empty when none is active.
QString activeTriggers(const Programm& programm);

// The bits of a program record that hold triggers on a model: those the groups' own reset clears.
std::array<unsigned char, kProgrammRecordSize> triggerBits(int deviceType);

// Whether any trigger of the program is set (active or forbidding).
bool anyTriggerSet(const Programm& programm);

} // namespace olma::config::programm
