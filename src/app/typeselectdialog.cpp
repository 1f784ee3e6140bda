#include "app/typeselectdialog.h"

#include "common/text.h"
#include "ui_typeselectdialog.h"

namespace olma {

TypeSelectDialog::TypeSelectDialog(QWidget* parent) : QDialog(parent), _ui(std::make_unique<Ui::TypeSelectDialog>())
{
    _ui->setupUi(this);
    setWindowTitle(OLMA_TEXT("MainWindow", "Выбор типа прибора"));
    // The list is in model order, so an item's index is the model index.
    connect(_ui->TypeComboBox, &QComboBox::activated, this, &TypeSelectDialog::typeChanged);
    connect(_ui->_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(_ui->_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TypeSelectDialog::~TypeSelectDialog() = default;

void TypeSelectDialog::setSelectedType(int type)
{
    if (type < 0 || type >= _ui->TypeComboBox->count())
        return;
    _ui->TypeComboBox->setCurrentIndex(type);
    _selectedType = type;
}

void TypeSelectDialog::typeChanged(int index)
{
    _selectedType = index;
}

} // namespace olma
