#pragma once

#include <QPalette>
#include <QWidget>

#include <memory>

namespace Ui {
class YComboBox;
}

namespace olma::config {

// One trigger of a relay program: a label and a choice "Неактивно" / "Активно" / "Запрет" whose
// index is the trigger value; an active trigger shows green, a forbidding one red.
class YComboBox : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(YComboBox)

public:
    explicit YComboBox(QWidget* parent = nullptr);
    ~YComboBox() override;

    void setText(const QString& text);
    QString text() const;

    // The trigger value: 0 inactive, 1 active, 2 activation forbidden.
    int value() const;
    // Selects the value and colours the widget for it; a value outside the choice shows blank.
    void setValue(int value);

signals:
    void changed(int value);

public slots:
    void emitChanged(int index);

private:
    void colour(int value);

    std::unique_ptr<Ui::YComboBox> _ui;
    QPalette _palette;
};

} // namespace olma::config
