#pragma once

#include "config/configitem.h"
#include "config/programm/tailstate.h"

#include <QObject>

#include <memory>
#include <vector>

namespace olma::config::programm {

// "Состояние ШС": a program's loop triggers, one TailState per loop of the model (4, 8 or 16).
// The record always has 16 loop slots; those above the model's count are left alone.
class TailStates : public QObject, public ConfigItem
{
    Q_OBJECT
    Q_DISABLE_COPY(TailStates)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    TailStates(unsigned char* image, int deviceType, unsigned programm);
    ~TailStates() override;

    unsigned programmIndex() const { return _programm; }
    int count() const { return int(_loops.size()); }
    // Loop by index; null outside the list.
    TailState* tailState(int loop) const;

    // The row the loop editor showed last.
    int currentRow() const { return _currentRow; }
    void setCurrentRow(int row) { _currentRow = row; }

    // Copies the last shown row and every loop's triggers. A group of another size (or one without
    // loops) first gets as many new loops as `other` has, detached from the image.
    void assign(const TailStates& other);

    // Builds the loops of the current model anew and decodes them.
    void loadFromImage() override;
    void setImage(unsigned char* image) override;
    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

signals:
    void changed(programm::TailStates* states);

public slots:
    void handleTailStateChanged(programm::TailState* state);

private:
    void buildLoops(unsigned char* image, int count);

    unsigned _programm = 0;
    std::vector<std::unique_ptr<TailState>> _loops;
    int _currentRow = 0;
};

} // namespace olma::config::programm
