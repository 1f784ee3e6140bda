#include "config/programm/multitailstate.h"

#include "common/pagefactory.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {

MultiTailState::MultiTailState(const QList<TailState*>& loops, int deviceType)
    : ConfigItem(nullptr, deviceType, 0), _loops(loops)
{
    _loops.removeAll(nullptr);
}

quint16 MultiTailState::common(Getter get) const
{
    if (_loops.isEmpty())
        return TriggerInactive;
    const quint16 first = (_loops.first()->*get)();
    for (const TailState* loop : _loops) {
        if ((loop->*get)() != first)
            return kTriggerMixed;
    }
    return first;
}

void MultiTailState::forEach(Setter set, quint16 value)
{
    for (TailState* loop : _loops)
        (loop->*set)(value);
}

quint16 MultiTailState::guardOffDelay() const
{
    return common(&TailStateCommon::guardOffDelay);
}

void MultiTailState::setGuardOffDelay(const quint16& value)
{
    forEach(&TailStateCommon::setGuardOffDelay, value);
}

quint16 MultiTailState::guardOnDelay() const
{
    return common(&TailStateCommon::guardOnDelay);
}

void MultiTailState::setGuardOnDelay(const quint16& value)
{
    forEach(&TailStateCommon::setGuardOnDelay, value);
}

quint16 MultiTailState::broken() const
{
    return common(&TailStateCommon::broken);
}

void MultiTailState::setBroken(const quint16& value)
{
    forEach(&TailStateCommon::setBroken, value);
}

quint16 MultiTailState::fault() const
{
    return common(&TailStateCommon::fault);
}

void MultiTailState::setFault(const quint16& value)
{
    forEach(&TailStateCommon::setFault, value);
}

quint16 MultiTailState::fire1() const
{
    return common(&TailStateCommon::fire1);
}

void MultiTailState::setFire1(const quint16& value)
{
    forEach(&TailStateCommon::setFire1, value);
}

quint16 MultiTailState::alarm() const
{
    return common(&TailStateCommon::alarm);
}

void MultiTailState::setAlarm(const quint16& value)
{
    forEach(&TailStateCommon::setAlarm, value);
}

quint16 MultiTailState::takeOff() const
{
    return common(&TailStateCommon::takeOff);
}

void MultiTailState::setTakeOff(const quint16& value)
{
    forEach(&TailStateCommon::setTakeOff, value);
}

void MultiTailState::resetStates()
{
    setGuardOffDelay(TriggerInactive);
    setGuardOnDelay(TriggerInactive);
    setBroken(TriggerInactive);
    setFault(TriggerInactive);
    setFire1(TriggerInactive);
    setAlarm(TriggerInactive);
    setTakeOff(TriggerInactive);
}

void MultiTailState::setDefault()
{
    resetStates();
}

QWidget* MultiTailState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
