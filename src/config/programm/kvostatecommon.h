#pragma once

#include <QtGlobal>

namespace olma::config::programm {

// The triggers by which faults of the panel's controlled outputs (ИП) switch a program, one per
// output of the model.
class KVOStateCommon
{
public:
    virtual ~KVOStateCommon() = default;

    // Output `output` (0-based); ignored outside the model's outputs or for a value above 3.
    virtual void setState(int output, const quint16& value) = 0;
    // 0 outside the model's outputs.
    virtual quint16 state(int output) const = 0;
    // The model, which decides how many outputs there are.
    virtual int deviceType() const = 0;
};

} // namespace olma::config::programm
