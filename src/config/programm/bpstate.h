#pragma once

#include "config/configitem.h"
#include "config/programm/bpstatecommon.h"

#include <QObject>

namespace olma::config::programm {

// "Блок питания БП-А": the faults of one power block (main and reserve supply, two output channels)
// that switch a program, one record byte.
class BPState : public QObject, public ConfigItem, public BPStateCommon
{
    Q_OBJECT
    Q_DISABLE_COPY(BPState)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    // Block `block` (0..3) of program `programm`.
    BPState(unsigned char* image, int deviceType, unsigned programm, unsigned block);

    unsigned programmIndex() const { return _programm; }
    unsigned block() const { return _block; }

    quint16 op() const override { return _op; }
    void setOp(const quint16& value) override;
    quint16 rp() const override { return _rp; }
    void setRp(const quint16& value) override;
    quint16 ch2() const override { return _ch2; }
    void setCh2(const quint16& value) override;
    quint16 ch1() const override { return _ch1; }
    void setCh1(const quint16& value) override;

    // The four triggers of `other`, through the setters.
    void assign(const BPState& other);
    // Every trigger inactive.
    void resetStates();

    void setDefault() override;
    void loadFromImage() override;
    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

signals:
    void changed(programm::BPState* state);

private:
    void store(quint16& field, quint16 value, int shift);

    unsigned _programm = 0;
    unsigned _block = 0;
    quint16 _op = 0;
    quint16 _rp = 0;
    quint16 _ch2 = 0;
    quint16 _ch1 = 0;
    unsigned char* _byte = nullptr;
};

} // namespace olma::config::programm
