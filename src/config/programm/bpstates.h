#pragma once

#include "config/configitem.h"
#include "config/programm/bpstate.h"
#include "config/programm/programmrecord.h"

#include <QObject>

#include <array>
#include <memory>

namespace olma::config::programm {

// "Цепи БП-А": a program's triggers for the four БП-А power blocks.
class BPStates : public QObject, public ConfigItem
{
    Q_OBJECT
    Q_DISABLE_COPY(BPStates)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    BPStates(unsigned char* image, int deviceType, unsigned programm);
    ~BPStates() override;

    unsigned programmIndex() const { return _programm; }
    int count() const { return kBpBlocks; }
    // Block by index 0..3; null outside.
    BPState* bpState(int block) const;

    // The row the block editor showed last.
    int currentRow() const { return _currentRow; }
    void setCurrentRow(int row) { _currentRow = row; }

    // Every block's triggers from the same block of `other`.
    void assign(const BPStates& other);

    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

signals:
    void changed(programm::BPStates* states);

public slots:
    void handleBPStateChanged(programm::BPState* state);

private:
    unsigned _programm = 0;
    std::array<std::unique_ptr<BPState>, kBpBlocks> _blocks;
    int _currentRow = 0;
};

} // namespace olma::config::programm
