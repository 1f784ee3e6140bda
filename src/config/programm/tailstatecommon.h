#pragma once

#include <QtGlobal>

namespace olma::config::programm {

// The seven loop-state triggers of one loop in a program, for one loop or several selected at once.
// Each holds a trigger value: 0 inactive, 1 active, 2 activation forbidden.
class TailStateCommon
{
public:
    virtual ~TailStateCommon() = default;

    // "Задержка на снятие"
    virtual quint16 guardOffDelay() const = 0;
    virtual void setGuardOffDelay(const quint16& value) = 0;
    // "Задержка на взятие"
    virtual quint16 guardOnDelay() const = 0;
    virtual void setGuardOnDelay(const quint16& value) = 0;
    // "Нарушен"
    virtual quint16 broken() const = 0;
    virtual void setBroken(const quint16& value) = 0;
    // "Неисправен"
    virtual quint16 fault() const = 0;
    virtual void setFault(const quint16& value) = 0;
    // "Пожар-1"
    virtual quint16 fire1() const = 0;
    virtual void setFire1(const quint16& value) = 0;
    // "Тревога (Пожар-2)"
    virtual quint16 alarm() const = 0;
    virtual void setAlarm(const quint16& value) = 0;
    // "Снят"
    virtual quint16 takeOff() const = 0;
    virtual void setTakeOff(const quint16& value) = 0;
};

} // namespace olma::config::programm
