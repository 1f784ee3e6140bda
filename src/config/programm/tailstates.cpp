#include "config/programm/tailstates.h"

#include "common/devicetype.h"
#include "common/pagefactory.h"
#include "config/programm/exporttable.h"
#include "config/programm/programmtexts.h"

namespace olma::config::programm {

TailStates::TailStates(unsigned char* image, int deviceType, unsigned programm)
    : ConfigItem(image, deviceType, 0), _programm(programm)
{
    _name = texts::tailStatesName();
    buildLoops(_image, olma::loopCount(_deviceType));
}

TailStates::~TailStates()
{
    clearChildren();
}

TailState* TailStates::tailState(int loop) const
{
    return loop >= 0 && loop < count() ? _loops[size_t(loop)].get() : nullptr;
}

void TailStates::assign(const TailStates& other)
{
    if (&other == this)
        return;
    _currentRow = other._currentRow;
    if (_loops.empty() || _loops.size() != other._loops.size())
        buildLoops(nullptr, other.count());
    for (size_t i = 0; i < _loops.size(); ++i)
        _loops[i]->assign(*other._loops[i]);
}

void TailStates::loadFromImage()
{
    buildLoops(_image, olma::loopCount(_deviceType));
}

void TailStates::setImage(unsigned char* image)
{
    // The loops are built anew over the image, each decoding its own bytes.
    _image = image;
    loadFromImage();
}

QString TailStates::exportText(int format) const
{
    return exportGroupHeading(format, _name) + ConfigItem::exportText(format);
}

void TailStates::handleTailStateChanged(programm::TailState* /*state*/)
{
    emit changed(this);
}

void TailStates::buildLoops(unsigned char* image, int count)
{
    clearChildren();
    _loops.clear();
    _loops.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        auto loop = std::make_unique<TailState>(image, _deviceType, _programm, unsigned(i));
        connect(loop.get(), &TailState::changed, this, &TailStates::handleTailStateChanged);
        adoptChild(loop.get());
        _loops.push_back(std::move(loop));
    }
}

QWidget* TailStates::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
