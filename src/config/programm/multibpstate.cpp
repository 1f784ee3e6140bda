#include "config/programm/multibpstate.h"

#include "common/pagefactory.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {

MultiBPState::MultiBPState(const QList<BPState*>& blocks, int deviceType)
    : ConfigItem(nullptr, deviceType, 0), _blocks(blocks)
{
    _blocks.removeAll(nullptr);
}

quint16 MultiBPState::common(Getter get) const
{
    if (_blocks.isEmpty())
        return TriggerInactive;
    const quint16 first = (_blocks.first()->*get)();
    for (const BPState* block : _blocks) {
        if ((block->*get)() != first)
            return kTriggerMixed;
    }
    return first;
}

void MultiBPState::forEach(Setter set, quint16 value)
{
    for (BPState* block : _blocks)
        (block->*set)(value);
}

quint16 MultiBPState::op() const
{
    return common(&BPStateCommon::op);
}

void MultiBPState::setOp(const quint16& value)
{
    forEach(&BPStateCommon::setOp, value);
}

quint16 MultiBPState::rp() const
{
    return common(&BPStateCommon::rp);
}

void MultiBPState::setRp(const quint16& value)
{
    forEach(&BPStateCommon::setRp, value);
}

quint16 MultiBPState::ch2() const
{
    return common(&BPStateCommon::ch2);
}

void MultiBPState::setCh2(const quint16& value)
{
    forEach(&BPStateCommon::setCh2, value);
}

quint16 MultiBPState::ch1() const
{
    return common(&BPStateCommon::ch1);
}

void MultiBPState::setCh1(const quint16& value)
{
    forEach(&BPStateCommon::setCh1, value);
}

void MultiBPState::resetStates()
{
    setOp(TriggerInactive);
    setRp(TriggerInactive);
    setCh2(TriggerInactive);
    setCh1(TriggerInactive);
}

void MultiBPState::setDefault()
{
    resetStates();
}

QWidget* MultiBPState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
