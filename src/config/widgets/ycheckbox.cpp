#include "config/widgets/ycheckbox.h"

namespace olma::config {

YCheckBox::YCheckBox(QWidget* parent) : QCheckBox(parent) {}

void YCheckBox::setNumber(int number)
{
    _number = number;
    relabel();
}

void YCheckBox::setNumbered(bool numbered)
{
    _numbered = numbered;
    relabel();
}

void YCheckBox::setBaseText(const QString& text)
{
    _baseText = text;
    relabel();
}

void YCheckBox::relabel()
{
    setText(_numbered ? _baseText + QStringLiteral("-%1").arg(_number) : _baseText);
}

} // namespace olma::config
