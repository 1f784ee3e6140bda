#include "config/programm/multibkvstate.h"

#include "common/pagefactory.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {

MultiBKVState::MultiBKVState(const QList<BKVState*>& blocks, int deviceType)
    : ConfigItem(nullptr, deviceType, 0), _blocks(blocks)
{
    _blocks.removeAll(nullptr);
}

void MultiBKVState::setState(int output, const quint16& value)
{
    for (BKVState* block : _blocks)
        block->setState(output, value);
}

quint16 MultiBKVState::state(int output) const
{
    if (_blocks.isEmpty())
        return TriggerInactive;
    const quint16 first = _blocks.first()->state(output);
    for (const BKVState* block : _blocks) {
        if (block->state(output) != first)
            return kTriggerMixed;
    }
    return first;
}

void MultiBKVState::resetStates()
{
    for (int output = 0; output < kBkvOutputs; ++output)
        setState(output, TriggerInactive);
}

void MultiBKVState::setDefault()
{
    resetStates();
}

QWidget* MultiBKVState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
