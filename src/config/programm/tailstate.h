#pragma once

#include "config/configitem.h"
#include "config/programm/tailstatecommon.h"

#include <QObject>

namespace olma::config::programm {

// "Шлейф сигнализации": the seven triggers by which one alarm loop switches a program, two bytes
// of the program record.
class TailState : public QObject, public ConfigItem, public TailStateCommon
{
    Q_OBJECT
    Q_DISABLE_COPY(TailState)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    // Loop `loop` (0-based) of program `programm`; without an image the values live in memory only.
    TailState(unsigned char* image, int deviceType, unsigned programm, unsigned loop);

    unsigned programmIndex() const { return _programm; }
    unsigned loop() const { return _loop; }

    quint16 guardOffDelay() const override { return _guardOffDelay; }
    void setGuardOffDelay(const quint16& value) override;
    quint16 guardOnDelay() const override { return _guardOnDelay; }
    void setGuardOnDelay(const quint16& value) override;
    quint16 broken() const override { return _broken; }
    void setBroken(const quint16& value) override;
    quint16 fault() const override { return _fault; }
    void setFault(const quint16& value) override;
    quint16 fire1() const override { return _fire1; }
    void setFire1(const quint16& value) override;
    quint16 alarm() const override { return _alarm; }
    void setAlarm(const quint16& value) override;
    quint16 takeOff() const override { return _takeOff; }
    void setTakeOff(const quint16& value) override;

    // The seven triggers of `other`, through the setters.
    void assign(const TailState& other);
    // Every trigger inactive.
    void resetStates();

    void setDefault() override;
    void loadFromImage() override;
    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

signals:
    void changed(programm::TailState* state);

private:
    void store(quint16& field, quint16 value, int byte, int shift);

    unsigned _programm = 0;
    unsigned _loop = 0;
    quint16 _guardOffDelay = 0;
    quint16 _guardOnDelay = 0;
    quint16 _broken = 0;
    quint16 _fault = 0;
    quint16 _fire1 = 0;
    quint16 _alarm = 0;
    quint16 _takeOff = 0;
    unsigned char* _bytes = nullptr;
};

} // namespace olma::config::programm
