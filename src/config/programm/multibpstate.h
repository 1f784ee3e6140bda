#pragma once

#include "config/configitem.h"
#include "config/programm/bpstate.h"

#include <QList>

namespace olma::config::programm {

// Several selected БП-А blocks edited as one. Setters reach every block in order; a getter gives the
// blocks' common value, kTriggerMixed when they differ.
class MultiBPState : public ConfigItem, public BPStateCommon
{
public:
    // The blocks are not owned.
    MultiBPState(const QList<BPState*>& blocks, int deviceType);

    const QList<BPState*>& blocks() const { return _blocks; }

    quint16 op() const override;
    void setOp(const quint16& value) override;
    quint16 rp() const override;
    void setRp(const quint16& value) override;
    quint16 ch2() const override;
    void setCh2(const quint16& value) override;
    quint16 ch1() const override;
    void setCh1(const quint16& value) override;

    // Every trigger of every selected block inactive.
    void resetStates();
    void setDefault() override;
    QWidget* createWidget(QWidget* parent) override;

private:
    using Getter = quint16 (BPStateCommon::*)() const;
    using Setter = void (BPStateCommon::*)(const quint16&);
    quint16 common(Getter get) const;
    void forEach(Setter set, quint16 value);

    QList<BPState*> _blocks;
};

} // namespace olma::config::programm
