#pragma once

#include "config/configitem.h"
#include "config/programm/tailstate.h"

#include <QList>

namespace olma::config::programm {

// Several selected loops of a program edited as one: setters reach every loop in order; a getter
// gives the loops' common value, kTriggerMixed when they differ, 0 when none is selected.
class MultiTailState : public ConfigItem, public TailStateCommon
{
public:
    // The loops are not owned.
    MultiTailState(const QList<TailState*>& loops, int deviceType);

    const QList<TailState*>& loops() const { return _loops; }

    quint16 guardOffDelay() const override;
    void setGuardOffDelay(const quint16& value) override;
    quint16 guardOnDelay() const override;
    void setGuardOnDelay(const quint16& value) override;
    quint16 broken() const override;
    void setBroken(const quint16& value) override;
    quint16 fault() const override;
    void setFault(const quint16& value) override;
    quint16 fire1() const override;
    void setFire1(const quint16& value) override;
    quint16 alarm() const override;
    void setAlarm(const quint16& value) override;
    quint16 takeOff() const override;
    void setTakeOff(const quint16& value) override;

    // Every trigger of every selected loop inactive.
    void resetStates();
    void setDefault() override;
    QWidget* createWidget(QWidget* parent) override;

private:
    using Getter = quint16 (TailStateCommon::*)() const;
    using Setter = void (TailStateCommon::*)(const quint16&);
    quint16 common(Getter get) const;
    void forEach(Setter set, quint16 value);

    QList<TailState*> _loops;
};

} // namespace olma::config::programm
