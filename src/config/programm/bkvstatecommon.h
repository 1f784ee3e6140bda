#pragma once

#include <QtGlobal>

namespace olma::config::programm {

// The fault triggers of the four outputs of one БКВ-А block, for one block or several at once.
class BKVStateCommon
{
public:
    virtual ~BKVStateCommon() = default;

    // Output `output` (0..3); ignored outside the block or for a value above 3.
    virtual void setState(int output, const quint16& value) = 0;
    // 0 outside the block.
    virtual quint16 state(int output) const = 0;
};

} // namespace olma::config::programm
