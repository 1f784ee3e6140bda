#pragma once

#include "config/configitem.h"
#include "config/programm/bkvstate.h"

#include <QObject>

#include <array>
#include <memory>

namespace olma::config::programm {

// "Выходы БКВ-А": a program's triggers for the eight БКВ-А blocks, whatever blocks are connected.
class BKVStates : public QObject, public ConfigItem
{
    Q_OBJECT
    Q_DISABLE_COPY(BKVStates)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    BKVStates(unsigned char* image, int deviceType, unsigned programm);
    ~BKVStates() override;

    unsigned programmIndex() const { return _programm; }
    int count() const { return kBkvBlocks; }
    // Block by index 0..7; null outside.
    BKVState* bkvState(int block) const;

    // The row the block editor showed last.
    int currentRow() const { return _currentRow; }
    void setCurrentRow(int row) { _currentRow = row; }

    // Every block's outputs from the same block of `other`.
    void assign(const BKVStates& other);

    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

signals:
    void changed(programm::BKVStates* states);

public slots:
    void handleBKVStateChanged(programm::BKVState* state);

private:
    unsigned _programm = 0;
    std::array<std::unique_ptr<BKVState>, kBkvBlocks> _blocks;
    int _currentRow = 0;
};

} // namespace olma::config::programm
