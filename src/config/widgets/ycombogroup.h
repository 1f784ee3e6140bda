#pragma once

#include <QGroupBox>
#include <QList>

class QGridLayout;
class QPushButton;

namespace olma::config {

class YComboBox;

// A column of trigger rows under one base label ("Неисправность ИП - 1:", "Неисправность ИП - 2:",
// ...) with a "Сбросить" button below them.
class YComboGroup : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY(YComboGroup)

public:
    explicit YComboGroup(QWidget* parent = nullptr);
    ~YComboGroup() override;

    // Replaces the rows with `count` new ones, all inactive.
    void setCount(int count);
    int count() const { return int(_combos.size()); }

    void setText(const QString& text);
    QString text() const { return _text; }
    // Numbered rows read "text - n:", the others "text: ".
    void setNumbered(bool numbered);
    bool numbered() const { return _numbered; }

    // Row `index` (0-based); values of rows that do not exist read 0 and are not written.
    void setValue(int index, int value);
    int value(int index) const;

    // The rows, top to bottom.
    const QList<YComboBox*>& combos() const { return _combos; }
    QPushButton* dropButton() const { return _dropButton; }

signals:
    void changed();
    // Row `index` set to `value`.
    void rowChanged(int index, int value);
    void drop();

public slots:
    void emitChanged();
    void emitDrop();

private:
    void relabel();

    QGridLayout* _layout = nullptr;
    QList<YComboBox*> _combos;
    QString _text;
    bool _numbered = false;
    QPushButton* _dropButton = nullptr;
};

} // namespace olma::config
