#include "config/programm/multiprogramm.h"

#include "common/pagefactory.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/kvostate.h"
#include "config/programm/multiparams.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programmrecord.h"
#include "config/programm/programmsummary.h"
#include "config/programm/tailstates.h"

#include <algorithm>

namespace olma::config {
namespace {

// The own record sits where program 0's would.
constexpr unsigned kOwnSlot = 0;

// Both bits of every trigger in which any bit is set.
unsigned char wholeTriggers(unsigned char bits)
{
    const auto low = static_cast<unsigned char>((bits | (bits >> 1)) & 0x55);
    return static_cast<unsigned char>(low | (low << 1));
}

} // namespace

MultiProgramm::MultiProgramm(const QList<Programm*>& programms, int deviceType)
    : ConfigItem(nullptr, deviceType, 0), _programms(programms), _ownImage(kImageSize, 0),
      _triggerBits(programm::triggerBits(deviceType))
{
    _programms.removeAll(nullptr);

    unsigned char* own = ownRecord();
    if (!_programms.isEmpty() && _programms.first()->record()) {
        std::copy_n(_programms.first()->record(), kProgrammRecordSize, own);
        for (const Programm* p : std::as_const(_programms)) {
            const unsigned char* record = p->record();
            if (!record)
                continue;
            for (int i = programm::kRecordTails; i < kProgrammRecordSize; ++i) {
                const auto differing = static_cast<unsigned char>(
                    wholeTriggers(record[i] ^ _programms.first()->record()[i]) & _triggerBits[size_t(i)]);
                own[i] = static_cast<unsigned char>(own[i] | differing);
            }
        }
    }
    std::copy_n(own, kProgrammRecordSize, _spread.begin());

    unsigned char* image = _ownImage.data();
    auto spread = [this](int byte, unsigned char bits) {
        std::array<unsigned char, kProgrammRecordSize> mask{};
        mask[size_t(byte)] = bits;
        spreadBits(mask);
    };
    _params = std::make_unique<programm::MultiParams>(image, deviceType, _programms, spread);
    _tailStates = std::make_unique<programm::TailStates>(image, deviceType, kOwnSlot);
    _pcState = std::make_unique<programm::PCState>(image, deviceType, kOwnSlot);
    _kvoState = std::make_unique<programm::KVOState>(image, deviceType, kOwnSlot);
    _bkvStates = std::make_unique<programm::BKVStates>(image, deviceType, kOwnSlot);
    _bpStates = std::make_unique<programm::BPStates>(image, deviceType, kOwnSlot);
    addChild(_params.get());
    addChild(_tailStates.get());
    addChild(_pcState.get());
    addChild(_kvoState.get());
    addChild(_bkvStates.get());
    addChild(_bpStates.get());

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

programm::Params* MultiProgramm::params() const
{
    return _params.get();
}

unsigned char* MultiProgramm::ownRecord()
{
    return programm::recordOf(_ownImage.data(), kOwnSlot);
}

void MultiProgramm::spreadTriggers()
{
    if (_batch > 0)
        return;
    const unsigned char* own = ownRecord();
    std::array<unsigned char, kProgrammRecordSize> mask{};
    bool any = false;
    for (int i = programm::kRecordTails; i < kProgrammRecordSize; ++i) {
        mask[size_t(i)] =
            static_cast<unsigned char>(wholeTriggers(own[i] ^ _spread[size_t(i)]) & _triggerBits[size_t(i)]);
        any = any || mask[size_t(i)] != 0;
    }
    if (any)
        spreadBits(mask);
}

void MultiProgramm::spreadBits(const std::array<unsigned char, kProgrammRecordSize>& mask)
{
    const unsigned char* own = ownRecord();
    for (Programm* p : std::as_const(_programms)) {
        unsigned char* record = p->record();
        if (!record)
            continue;
        bool changedAny = false;
        for (int i = 0; i < kProgrammRecordSize; ++i) {
            const auto m = mask[size_t(i)];
            const auto value = static_cast<unsigned char>((record[i] & ~m) | (own[i] & m));
            changedAny = changedAny || value != record[i];
            record[i] = value;
        }
        if (changedAny) {
            p->reloadRecord();
            emit changed(p);
        }
    }
    for (int i = 0; i < kProgrammRecordSize; ++i) {
        const auto m = mask[size_t(i)];
        _spread[size_t(i)] = static_cast<unsigned char>((_spread[size_t(i)] & ~m) | (own[i] & m));
    }
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

void MultiProgramm::changeParamsSignalHandler(programm::Params* /*params*/)
{
    // Each parameter reaches the programs from its own setter.
}

void MultiProgramm::changeTailStatesSignalHandler(programm::TailStates* /*states*/)
{
    spreadTriggers();
}

void MultiProgramm::changeBlockStatesSignalHandler(programm::PCState* /*state*/)
{
    spreadTriggers();
}

void MultiProgramm::changeIPStatesSignalHandler(programm::KVOState* /*state*/)
{
    spreadTriggers();
}

void MultiProgramm::changeBKVStatesSignalHandler(programm::BKVStates* /*states*/)
{
    spreadTriggers();
}

void MultiProgramm::changeBPStatesSignalHandler(programm::BPStates* /*states*/)
{
    spreadTriggers();
}

void MultiProgramm::resetDefault(bool on)
{
    if (!on)
        return;
    // Every trigger of the record inactive, differing ones included, copied into the programs once.
    ++_batch;
    _tailStates->setDefault();
    _pcState->setDefault();
    _kvoState->setDefault();
    _bkvStates->setDefault();
    _bpStates->setDefault();
    --_batch;
    spreadBits(_triggerBits);
    _params->resetParams();
}

QWidget* MultiProgramm::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config
