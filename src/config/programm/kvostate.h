#pragma once

#include "config/configitem.h"
#include "config/programm/kvostatecommon.h"

#include <QObject>

#include <vector>

namespace olma::config::programm {

// "Состояние ИП": one trigger per controlled output of the model (2, 4 or 8), in two bytes of the
// record. The bits of outputs the model lacks are left alone.
class KVOState : public QObject, public ConfigItem, public KVOStateCommon
{
    Q_OBJECT
    Q_DISABLE_COPY(KVOState)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    KVOState(unsigned char* image, int deviceType, unsigned programm);

    unsigned programmIndex() const { return _programm; }
    int count() const { return _count; }

    void setState(int output, const quint16& value) override;
    quint16 state(int output) const override;
    int deviceType() const override { return ConfigItem::deviceType(); }

    // Every output of `other` that this model has, through the setter.
    void assign(const KVOState& other);
    // Every output inactive.
    void resetStates();

    void setDefault() override;
    void loadFromImage() override;
    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

signals:
    void changed(programm::KVOState* state);

private:
    unsigned _programm = 0;
    int _count = 0;
    std::vector<quint16> _states;
    unsigned char* _bytes = nullptr;
};

} // namespace olma::config::programm
