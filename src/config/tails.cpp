#include "config/tails.h"

#include "common/devicetype.h"
#include "common/pagefactory.h"
#include "config/configtexts.h"
#include "config/exportmarkup.h"

namespace olma::config {

Tails::Tails(unsigned char* image, int deviceType, int reserved) : ConfigItem(image, deviceType, reserved)
{
    _name = texts::tailsName();
    buildTails();
}

QWidget* Tails::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

Tails::~Tails()
{
    clearChildren();
}

Tail* Tails::tail(int index) const
{
    return index >= 0 && index < count() ? _tails[size_t(index)].get() : nullptr;
}

void Tails::setDefault() {}

void Tails::loadFromImage()
{
    // Each new loop decodes its bytes as it is built.
    buildTails();
}

QString Tails::exportText(int format) const
{
    return exportChildren(format, exportmarkup::sectionHeading(_name, format));
}

void Tails::buildTails()
{
    clearChildren();
    _tails.clear();
    const int count = olma::loopCount(_deviceType);
    _tails.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        auto tail = std::make_unique<Tail>(_image, _deviceType, i, TailSecurity);
        adoptChild(tail.get());
        _tails.push_back(std::move(tail));
    }
}

} // namespace olma::config
