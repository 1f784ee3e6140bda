#pragma once

#include "config/configitem.h"
#include "config/programm/pcstatecommon.h"

#include <QObject>

namespace olma::config::programm {

// "Состояние блоков": the panel events that switch a program (case opening, faults of the main and
// reserve supply and of the notifiers, notification off, external blocks), two bytes of the record.
class PCState : public QObject, public ConfigItem, public PCStateCommon
{
    Q_OBJECT
    Q_DISABLE_COPY(PCState)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    PCState(unsigned char* image, int deviceType, unsigned programm);

    unsigned programmIndex() const { return _programm; }

    void setZoFault(const quint16& value) override;
    quint16 zoFault() const override { return _zoFault; }
    void setSoFault(const quint16& value) override;
    quint16 soFault() const override { return _soFault; }
    void setNoticeOff(const quint16& value) override;
    quint16 noticeOff() const override { return _noticeOff; }
    void setRpFault(const quint16& value) override;
    quint16 rpFault() const override { return _rpFault; }
    void setOpFault(const quint16& value) override;
    quint16 opFault() const override { return _opFault; }
    void setCorpseOpen(const quint16& value) override;
    quint16 corpseOpen() const override { return _corpseOpen; }
    void setExtBlockAccident(const quint16& value) override;
    quint16 extBlockAccident() const override { return _extBlockAccident; }
    void setExtBlockOpening(const quint16& value) override;
    quint16 extBlockOpening() const override { return _extBlockOpening; }

    // The eight triggers of `other`, through the setters.
    void assign(const PCState& other);
    // Every trigger inactive.
    void resetStates();

    void setDefault() override;
    void loadFromImage() override;
    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

signals:
    void changed(programm::PCState* state);

private:
    void store(quint16& field, quint16 value, int byte, int shift);

    unsigned _programm = 0;
    quint16 _zoFault = 0;
    quint16 _soFault = 0;
    quint16 _noticeOff = 0;
    quint16 _rpFault = 0;
    quint16 _opFault = 0;
    quint16 _corpseOpen = 0;
    quint16 _extBlockAccident = 0;
    quint16 _extBlockOpening = 0;
    unsigned char* _bytes = nullptr;
};

} // namespace olma::config::programm
