#pragma once

#include <QtGlobal>

namespace olma::config::programm {

// The four fault triggers of one БП-А power block, for one block or several at once.
class BPStateCommon
{
public:
    virtual ~BPStateCommon() = default;

    // "Неисправность ОП": the main supply.
    virtual quint16 op() const = 0;
    virtual void setOp(const quint16& value) = 0;
    // "Неисправность РП": the reserve supply.
    virtual quint16 rp() const = 0;
    virtual void setRp(const quint16& value) = 0;
    // "Неисправность канала 2"
    virtual quint16 ch2() const = 0;
    virtual void setCh2(const quint16& value) = 0;
    // "Неисправность канала 1"
    virtual quint16 ch1() const = 0;
    virtual void setCh1(const quint16& value) = 0;
};

} // namespace olma::config::programm
