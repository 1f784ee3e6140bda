#pragma once

#include <QtGlobal>

namespace olma::config::programm {

// What the parameter page edits: how the output behaves once a program switches it.
class ParamsCommon
{
public:
    virtual ~ParamsCommon() = default;

    // Delay before start, seconds; the record keeps one byte of it.
    virtual quint16 timeout() const = 0;
    virtual void setTimeout(const quint16& timeout) = 0;
    // 0 automatic ("автомат"), 1 lamp ("лампа").
    virtual int tactic() const = 0;
    virtual void setTactic(const int& tactic) = 0;
    // false off ("выключено"), true on ("включено").
    virtual bool initState() const = 0;
    virtual void setInitState(const bool& on) = 0;
    // Seconds; 0 = work not limited.
    virtual quint16 workTime() const = 0;
    virtual void setWorkTime(const quint16& seconds) = 0;
};

} // namespace olma::config::programm
