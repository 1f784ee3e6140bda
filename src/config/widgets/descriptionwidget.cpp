#include "config/widgets/descriptionwidget.h"
#include "ui_descriptionwidget.h"

#include "config/programm/description.h"

namespace olma::config::programm {

DescriptionWidget::DescriptionWidget(Description* description, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::DescriptionWidget>()), _description(description)
{
    _ui->setupUi(this);
    if (!_description)
        return;
    _ui->_descrTextEdit->setPlainText(_description->description());
    connect(_ui->_descrTextEdit, &QTextEdit::textChanged, this, &DescriptionWidget::descrChanged);
}

DescriptionWidget::~DescriptionWidget() = default;

void DescriptionWidget::descrChanged()
{
    _description->setDescription(_ui->_descrTextEdit->toPlainText());
}

} // namespace olma::config::programm
