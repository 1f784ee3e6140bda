#include "config/widgets/ycombogroup.h"

#include "common/text.h"
#include "config/widgets/ycombobox.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>

namespace olma::config {
namespace {

constexpr olma::Text kDropText = OLMA_TEXT("ConfigurationPages", "Сбросить");
const QString kNumberedLabel = QStringLiteral("%1 - %2:");
const QString kPlainLabel = QStringLiteral("%1: ");

} // namespace

YComboGroup::YComboGroup(QWidget* parent) : QGroupBox(parent), _layout(new QGridLayout(this))
{
    // The rows keep their natural width, labels and choices lined up; the free room is to the right.
    _layout->setColumnStretch(1, 1);
}

YComboGroup::~YComboGroup() = default;

void YComboGroup::setCount(int count)
{
    qDeleteAll(_combos);
    _combos.clear();
    delete _dropButton;
    _dropButton = nullptr;
    // The spacer of the previous build is the only item left that is not a widget.
    for (int i = _layout->count() - 1; i >= 0; --i) {
        if (_layout->itemAt(i)->spacerItem())
            delete _layout->takeAt(i);
    }

    for (int i = 0; i < count; ++i) {
        auto* combo = new YComboBox(this);
        connect(combo, &YComboBox::changed, this, [this, i](int value) { emit rowChanged(i, value); });
        connect(combo, &YComboBox::changed, this, &YComboGroup::emitChanged);
        _layout->addWidget(combo, i, 0);
        _combos.append(combo);
    }
    _dropButton = new QPushButton(kDropText, this);
    _dropButton->setObjectName(QStringLiteral("_dropButton"));
    _dropButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(_dropButton, &QPushButton::clicked, this, &YComboGroup::emitDrop);
    _layout->addWidget(_dropButton, count, 0, Qt::AlignLeft);
    _layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), count + 1, 0);
    relabel();
}

void YComboGroup::setText(const QString& text)
{
    _text = text;
    relabel();
}

void YComboGroup::setNumbered(bool numbered)
{
    _numbered = numbered;
    relabel();
}

void YComboGroup::setValue(int index, int value)
{
    if (index >= 0 && index < _combos.size())
        _combos.at(index)->setValue(value);
}

int YComboGroup::value(int index) const
{
    return index >= 0 && index < _combos.size() ? _combos.at(index)->value() : 0;
}

void YComboGroup::emitChanged()
{
    emit changed();
}

void YComboGroup::emitDrop()
{
    emit drop();
}

void YComboGroup::relabel()
{
    for (int i = 0; i < _combos.size(); ++i) {
        const bool numbered = !_text.isEmpty() && _numbered;
        _combos.at(i)->setText(numbered ? kNumberedLabel.arg(_text).arg(i + 1) : kPlainLabel.arg(_text));
    }
}

} // namespace olma::config
