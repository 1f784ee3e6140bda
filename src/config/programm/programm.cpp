#include "config/programm/programm.h"

#include "common/pagefactory.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programmrecord.h"
#include "config/programm/programmtexts.h"
#include "config/programm/tailstates.h"

namespace olma::config {

Programm::Programm(unsigned char* image, int deviceType, unsigned index)
    : ConfigItem(image, deviceType, 0), _index(index), _kind(programm::kindOf(index))
{
    _name = programm::texts::kindName(_kind);
    _itemId = int(index);
    _xmlTag = QStringLiteral("programm");

    _params = std::make_unique<programm::Params>(image, deviceType, index);
    _tailStates = std::make_unique<programm::TailStates>(image, deviceType, index);
    _pcState = std::make_unique<programm::PCState>(image, deviceType, index);
    _kvoState = std::make_unique<programm::KVOState>(image, deviceType, index);
    _bkvStates = std::make_unique<programm::BKVStates>(image, deviceType, index);
    _bpStates = std::make_unique<programm::BPStates>(image, deviceType, index);
    _descriptionItem = std::make_unique<programm::Description>(image, deviceType, index);
    addChild(_params.get());
    addChild(_tailStates.get());
    addChild(_pcState.get());
    addChild(_kvoState.get());
    addChild(_bkvStates.get());
    addChild(_bpStates.get());
    addChild(_descriptionItem.get());

    connect(_params.get(), &programm::Params::changedFireSafety, this, &Programm::changeParamsFireSafetyHandler);
}

Programm::~Programm()
{
    clearChildren();
}

unsigned Programm::number() const
{
    return programm::numberInKind(_index);
}

QString Programm::title() const
{
    return programm::texts::programmTitle(_index);
}

void Programm::assign(const Programm& other)
{
    if (&other == this)
        return;
    assignParams(*other._params);
    assignTailStates(*other._tailStates);
    assignPCState(*other._pcState);
    assignKVOState(*other._kvoState);
    assignBKVStates(*other._bkvStates);
    assignBPStates(*other._bpStates);
    assignDescription(*other._descriptionItem);
}

void Programm::assignParams(const programm::Params& params)
{
    _params->assign(params);
}

void Programm::assignTailStates(const programm::TailStates& states)
{
    _tailStates->assign(states);
}

void Programm::assignPCState(const programm::PCState& state)
{
    _pcState->assign(state);
}

void Programm::assignKVOState(const programm::KVOState& state)
{
    _kvoState->assign(state);
}

void Programm::assignBKVStates(const programm::BKVStates& states)
{
    _bkvStates->assign(states);
}

void Programm::assignBPStates(const programm::BPStates& states)
{
    _bpStates->assign(states);
}

void Programm::assignDescription(const programm::Description& description)
{
    _descriptionItem->assign(description);
}

unsigned char* Programm::record() const
{
    return programm::recordOf(_image, _index);
}

void Programm::reloadRecord()
{
    _params->loadFromImage();
    _tailStates->loadFromImage();
    _pcState->loadFromImage();
    _kvoState->loadFromImage();
    _bkvStates->loadFromImage();
    _bpStates->loadFromImage();
}

QString Programm::description() const
{
    return _descriptionItem->description();
}

void Programm::changeParamsSignalHandler(programm::Params* params)
{
    if (!params || !params->fireSafety())
        return;
    resetTriggers();
    emit changed(this);
}

void Programm::changeParamsFireSafetyHandler(bool on)
{
    if (on)
        resetTriggers();
    emit changed(this);
}

void Programm::resetTriggers()
{
    _tailStates->setDefault();
    _pcState->setDefault();
    _kvoState->setDefault();
    _bkvStates->setDefault();
    _bpStates->setDefault();
}

QWidget* Programm::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config
