#include "config/programm/multiprogramm.h"

#include "common/pagefactory.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/kvostate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/tailstates.h"

namespace olma::config {
namespace {

// The editor's own groups belong to no program slot and have no image.
constexpr unsigned kNoSlot = 0;

} // namespace

MultiProgramm::MultiProgramm(const QList<Programm*>& programms, int deviceType)
    : ConfigItem(nullptr, deviceType, 0), _programms(programms)
{
    _programms.removeAll(nullptr);

    _params = std::make_unique<programm::Params>(nullptr, deviceType, kNoSlot);
    _tailStates = std::make_unique<programm::TailStates>(nullptr, deviceType, kNoSlot);
    _pcState = std::make_unique<programm::PCState>(nullptr, deviceType, kNoSlot);
    _kvoState = std::make_unique<programm::KVOState>(nullptr, deviceType, kNoSlot);
    _bkvStates = std::make_unique<programm::BKVStates>(nullptr, deviceType, kNoSlot);
    _bpStates = std::make_unique<programm::BPStates>(nullptr, deviceType, kNoSlot);
    addChild(_params.get());
    addChild(_tailStates.get());
    addChild(_pcState.get());
    addChild(_kvoState.get());
    addChild(_bkvStates.get());
    addChild(_bpStates.get());

    connect(_params.get(), &programm::Params::changed, this, &MultiProgramm::changeParamsSignalHandler);
    connect(_tailStates.get(), &programm::TailStates::changed, this, &MultiProgramm::changeTailStatesSignalHandler);
    connect(_pcState.get(), &programm::PCState::changed, this, &MultiProgramm::changeBlockStatesSignalHandler);
    connect(_kvoState.get(), &programm::KVOState::changed, this, &MultiProgramm::changeIPStatesSignalHandler);
    connect(_bkvStates.get(), &programm::BKVStates::changed, this, &MultiProgramm::changeBKVStatesSignalHandler);
    connect(_bpStates.get(), &programm::BPStates::changed, this, &MultiProgramm::changeBPStatesSignalHandler);
    connect(_params.get(), &programm::Params::changedFireSafety, this, &MultiProgramm::resetDefault);
}

MultiProgramm::~MultiProgramm()
{
    clearChildren();
}

template <typename Item>
void MultiProgramm::forEachProgramm(void (ProgrammCommon::*assign)(const Item&), const Item* item)
{
    if (!item)
        return;
    for (Programm* p : _programms) {
        (p->*assign)(*item);
        emit changed(p);
    }
}

void MultiProgramm::assignParams(const programm::Params& params)
{
    forEachProgramm(&ProgrammCommon::assignParams, &params);
}

void MultiProgramm::assignTailStates(const programm::TailStates& states)
{
    forEachProgramm(&ProgrammCommon::assignTailStates, &states);
}

void MultiProgramm::assignPCState(const programm::PCState& state)
{
    forEachProgramm(&ProgrammCommon::assignPCState, &state);
}

void MultiProgramm::assignKVOState(const programm::KVOState& state)
{
    forEachProgramm(&ProgrammCommon::assignKVOState, &state);
}

void MultiProgramm::assignBKVStates(const programm::BKVStates& states)
{
    forEachProgramm(&ProgrammCommon::assignBKVStates, &states);
}

void MultiProgramm::assignBPStates(const programm::BPStates& states)
{
    forEachProgramm(&ProgrammCommon::assignBPStates, &states);
}

void MultiProgramm::assignDescription(const programm::Description& description)
{
    forEachProgramm(&ProgrammCommon::assignDescription, &description);
}

void MultiProgramm::changeParamsSignalHandler(programm::Params* params)
{
    forEachProgramm(&ProgrammCommon::assignParams, static_cast<const programm::Params*>(params));
}

void MultiProgramm::changeTailStatesSignalHandler(programm::TailStates* states)
{
    forEachProgramm(&ProgrammCommon::assignTailStates, static_cast<const programm::TailStates*>(states));
}

void MultiProgramm::changeBlockStatesSignalHandler(programm::PCState* state)
{
    forEachProgramm(&ProgrammCommon::assignPCState, static_cast<const programm::PCState*>(state));
}

void MultiProgramm::changeIPStatesSignalHandler(programm::KVOState* state)
{
    forEachProgramm(&ProgrammCommon::assignKVOState, static_cast<const programm::KVOState*>(state));
}

void MultiProgramm::changeBKVStatesSignalHandler(programm::BKVStates* states)
{
    forEachProgramm(&ProgrammCommon::assignBKVStates, static_cast<const programm::BKVStates*>(states));
}

void MultiProgramm::changeBPStatesSignalHandler(programm::BPStates* states)
{
    forEachProgramm(&ProgrammCommon::assignBPStates, static_cast<const programm::BPStates*>(states));
}

void MultiProgramm::resetDefault(bool on)
{
    if (!on)
        return;
    _tailStates->setDefault();
    _pcState->setDefault();
    _kvoState->setDefault();
    _bkvStates->setDefault();
    _bpStates->setDefault();
    _params->resetParams();
}

QWidget* MultiProgramm::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config
