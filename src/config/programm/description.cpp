#include "config/programm/description.h"

#include "common/pagefactory.h"
#include "config/programm/programmtexts.h"

namespace olma::config::programm {

Description::Description(unsigned char* image, int deviceType, unsigned index)
    : ConfigItem(image, deviceType, 0), _index(index)
{
    _name = texts::descriptionName();
    _xmlTag = QStringLiteral("programm");
    _itemId = int(index);
}

void Description::setDescription(const QString& text)
{
    _description = text;
    storeDescription();
}

void Description::assign(const Description& other)
{
    if (&other == this)
        return;
    setDescription(other._description);
}

QString Description::exportText(int /*format*/) const
{
    return QString();
}

QWidget* Description::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
