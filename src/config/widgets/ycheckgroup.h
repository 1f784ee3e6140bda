#pragma once

#include <QGroupBox>
#include <QList>
#include <QtGlobal>

class QGridLayout;

namespace olma::config {

class YCheckBox;

// A grid of numbered check boxes that edits a mask of up to 32 bits: box i stands for bit i.
// Set the count, rows, columns and texts, then build().
class YCheckGroup : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY(YCheckGroup)

public:
    static constexpr int kMaxCount = 32;

    explicit YCheckGroup(QWidget* parent = nullptr);
    ~YCheckGroup() override;

    // Destroys the boxes and leaves `count` (at most 32) empty places for build().
    void setCount(int count);
    int count() const { return int(_boxes.size()); }
    void setRows(int rows) { _rows = rows; }
    void setColumns(int columns) { _columns = columns; }
    void setNumbered(bool numbered) { _numbered = numbered; }
    void setBaseText(const QString& text) { _baseText = text; }

    // Fills the grid row by row; places beyond the count stay empty.
    void build();

    void setMask(quint32 mask);
    // Boxes of the bits in `bits` show partially checked (the items shown differ there) until
    // set; nobody is told.
    void setDiffering(quint32 bits);
    quint32 mask() const;
    // The bits that have a box.
    quint32 boxMask() const;

    // Box i, or null before build() placed it.
    YCheckBox* box(int index) const;

signals:
    void changed();
    // Box `index` set by the engineer.
    void bitChanged(int index, bool on);

public slots:
    void emitChanged();

private:
    QGridLayout* _layout = nullptr;
    QList<YCheckBox*> _boxes;
    int _rows = 0;
    int _columns = 0;
    bool _numbered = false;
    QString _baseText;
};

} // namespace olma::config
