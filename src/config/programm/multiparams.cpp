#include "config/programm/multiparams.h"

#include "config/programm/programm.h"
#include "config/programm/programmrecord.h"

namespace olma::config::programm {
namespace {

constexpr unsigned bit(MultiParams::Field field)
{
    return 1u << static_cast<unsigned>(field);
}

} // namespace

MultiParams::MultiParams(unsigned char* image, int deviceType, const QList<Programm*>& programms,
                         std::function<void(int, unsigned char)> spread)
    : Params(image, deviceType, 0), _spread(std::move(spread))
{
    for (const Programm* p : programms) {
        const Params* other = p->params();
        if (other->timeout() != timeout())
            _differing |= bit(Field::Timeout);
        if (other->tactic() != tactic())
            _differing |= bit(Field::Tactic);
        if (other->initState() != initState())
            _differing |= bit(Field::InitState);
        if (other->workTime() != workTime())
            _differing |= bit(Field::WorkTime);
    }
}

void MultiParams::settle(Field field, int byte, unsigned char mask)
{
    _differing &= ~bit(field);
    if (_spread)
        _spread(byte, mask);
}

void MultiParams::setTimeout(const quint16& timeout)
{
    Params::setTimeout(timeout);
    settle(Field::Timeout, kRecordDelay, 0xFF);
}

void MultiParams::setTactic(const int& tactic)
{
    Params::setTactic(tactic);
    settle(Field::Tactic, kRecordFlags, kFlagTactic);
}

void MultiParams::setInitState(const bool& on)
{
    Params::setInitState(on);
    settle(Field::InitState, kRecordFlags, kFlagInitState);
}

void MultiParams::setWorkTime(const quint16& seconds)
{
    Params::setWorkTime(seconds);
    _differing &= ~bit(Field::WorkTime);
    if (_spread) {
        _spread(kRecordWorkTime, 0xFF);
        _spread(kRecordWorkTime + 1, 0xFF);
    }
}

bool MultiParams::differs(Field field) const
{
    return (_differing & bit(field)) != 0;
}

} // namespace olma::config::programm
