#include "config/programm/bkvstates.h"

#include "common/pagefactory.h"
#include "config/programm/exporttable.h"
#include "config/programm/programmtexts.h"

namespace olma::config::programm {

BKVStates::BKVStates(unsigned char* image, int deviceType, unsigned programm)
    : ConfigItem(image, deviceType, 0), _programm(programm)
{
    _name = texts::bkvStatesName();
    for (int i = 0; i < kBkvBlocks; ++i) {
        _blocks[size_t(i)] = std::make_unique<BKVState>(image, deviceType, programm, unsigned(i));
        connect(_blocks[size_t(i)].get(), &BKVState::changed, this, &BKVStates::handleBKVStateChanged);
        addChild(_blocks[size_t(i)].get());
    }
}

BKVStates::~BKVStates()
{
    clearChildren();
}

BKVState* BKVStates::bkvState(int block) const
{
    return block >= 0 && block < kBkvBlocks ? _blocks[size_t(block)].get() : nullptr;
}

void BKVStates::assign(const BKVStates& other)
{
    if (&other == this)
        return;
    for (size_t i = 0; i < _blocks.size(); ++i)
        _blocks[i]->assign(*other._blocks[i]);
}

QString BKVStates::exportText(int format) const
{
    return exportGroupHeading(format, _name) + ConfigItem::exportText(format);
}

void BKVStates::handleBKVStateChanged(programm::BKVState* /*state*/)
{
    emit changed(this);
}

QWidget* BKVStates::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
