#pragma once

#include "config/configitem.h"
#include "config/programm/bkvstate.h"

#include <QList>

namespace olma::config::programm {

// Several selected БКВ-А blocks edited as one. Setters reach every block in order; the getter gives
// the blocks' common value of an output, kTriggerMixed when they differ.
class MultiBKVState : public ConfigItem, public BKVStateCommon
{
public:
    // The blocks are not owned.
    MultiBKVState(const QList<BKVState*>& blocks, int deviceType);

    const QList<BKVState*>& blocks() const { return _blocks; }

    void setState(int output, const quint16& value) override;
    quint16 state(int output) const override;

    // Every output of every selected block inactive.
    void resetStates();
    void setDefault() override;
    QWidget* createWidget(QWidget* parent) override;

private:
    QList<BKVState*> _blocks;
};

} // namespace olma::config::programm
