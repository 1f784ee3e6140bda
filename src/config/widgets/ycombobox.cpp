#include "config/widgets/ycombobox.h"
#include "ui_ycombobox.h"

namespace olma::config {
namespace {

constexpr int kActive = 1;
constexpr int kForbidden = 2;
const QColor kActiveColour(192, 255, 192);
const QColor kForbiddenColour(255, 192, 192);

} // namespace

YComboBox::YComboBox(QWidget* parent) : QWidget(parent), _ui(std::make_unique<Ui::YComboBox>())
{
    _ui->setupUi(this);
    _palette = palette();
    // A value the choice does not offer (kTriggerMixed on a page of several items) shows blank.
    _ui->_comboBox->setPlaceholderText(QStringLiteral("—"));
    connect(_ui->_comboBox, &QComboBox::currentIndexChanged, this, &YComboBox::emitChanged);
}

YComboBox::~YComboBox() = default;

void YComboBox::setText(const QString& text)
{
    _ui->_label->setText(text);
}

QString YComboBox::text() const
{
    return _ui->_label->text();
}

int YComboBox::value() const
{
    return _ui->_comboBox->currentIndex();
}

void YComboBox::setValue(int value)
{
    _ui->_comboBox->setCurrentIndex(value >= 0 && value < _ui->_comboBox->count() ? value : -1);
    colour(value);
}

void YComboBox::emitChanged(int index)
{
    colour(index);
    emit changed(index);
}

void YComboBox::colour(int value)
{
    if (value == kActive)
        setPalette(QPalette(kActiveColour));
    else if (value == kForbidden)
        setPalette(QPalette(kForbiddenColour));
    else
        setPalette(_palette);
}

} // namespace olma::config
