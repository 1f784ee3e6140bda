#include "config/programm/bpstates.h"

#include "common/pagefactory.h"
#include "config/programm/exporttable.h"
#include "config/programm/programmtexts.h"

namespace olma::config::programm {

BPStates::BPStates(unsigned char* image, int deviceType, unsigned programm)
    : ConfigItem(image, deviceType, 0), _programm(programm)
{
    _name = texts::bpStatesName();
    for (int i = 0; i < kBpBlocks; ++i) {
        _blocks[size_t(i)] = std::make_unique<BPState>(image, deviceType, programm, unsigned(i));
        connect(_blocks[size_t(i)].get(), &BPState::changed, this, &BPStates::handleBPStateChanged);
        addChild(_blocks[size_t(i)].get());
    }
}

BPStates::~BPStates()
{
    clearChildren();
}

BPState* BPStates::bpState(int block) const
{
    return block >= 0 && block < kBpBlocks ? _blocks[size_t(block)].get() : nullptr;
}

void BPStates::assign(const BPStates& other)
{
    if (&other == this)
        return;
    for (size_t i = 0; i < _blocks.size(); ++i)
        _blocks[i]->assign(*other._blocks[i]);
}

QString BPStates::exportText(int format) const
{
    return exportGroupHeading(format, _name) + ConfigItem::exportText(format);
}

void BPStates::handleBPStateChanged(programm::BPState* /*state*/)
{
    emit changed(this);
}

QWidget* BPStates::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
