#pragma once

#include "config/configitem.h"
#include "config/programm/bkvstatecommon.h"
#include "config/programm/programmrecord.h"

#include <QObject>

#include <array>

namespace olma::config::programm {

// "Выход БКВ-А": the faults of a БКВ-А block's four outputs that switch a program, one record byte.
class BKVState : public QObject, public ConfigItem, public BKVStateCommon
{
    Q_OBJECT
    Q_DISABLE_COPY(BKVState)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    // Block `block` (0..7) of program `programm`.
    BKVState(unsigned char* image, int deviceType, unsigned programm, unsigned block);

    unsigned programmIndex() const { return _programm; }
    unsigned block() const { return _block; }

    void setState(int output, const quint16& value) override;
    quint16 state(int output) const override;

    // The four outputs of `other`, through the setter.
    void assign(const BKVState& other);
    // Every output inactive.
    void resetStates();

    void setDefault() override;
    void loadFromImage() override;
    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

signals:
    void changed(programm::BKVState* state);

private:
    unsigned _programm = 0;
    unsigned _block = 0;
    std::array<quint16, kBkvOutputs> _states{};
    unsigned char* _byte = nullptr;
};

} // namespace olma::config::programm
