#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TypeSelectDialog;
}

namespace olma {

// Asks which panel model a new or loaded configuration is for.
class TypeSelectDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TypeSelectDialog)

public:
    explicit TypeSelectDialog(QWidget* parent = nullptr);
    ~TypeSelectDialog() override;

    // Model index of the chosen item: 0, 1, 2 for the 4-, 8- and 16-loop panels.
    int selectedType() const { return _selectedType; }
    // Starts at a model (the connected panel's).
    void setSelectedType(int type);

public slots:
    void typeChanged(int index);

private:
    std::unique_ptr<Ui::TypeSelectDialog> _ui;
    int _selectedType = 0;
};

} // namespace olma
