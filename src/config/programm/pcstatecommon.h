#pragma once

#include <QtGlobal>

namespace olma::config::programm {

// The eight panel-event triggers of a program. Each holds a trigger value: 0 inactive, 1 active,
// 2 activation forbidden.
class PCStateCommon
{
public:
    virtual ~PCStateCommon() = default;

    // "Неисправность ЗО"
    virtual void setZoFault(const quint16& value) = 0;
    virtual quint16 zoFault() const = 0;
    // "Неисправность СО"
    virtual void setSoFault(const quint16& value) = 0;
    virtual quint16 soFault() const = 0;
    // "Отключение оповещения"
    virtual void setNoticeOff(const quint16& value) = 0;
    virtual quint16 noticeOff() const = 0;
    // "Неисправность РП"
    virtual void setRpFault(const quint16& value) = 0;
    virtual quint16 rpFault() const = 0;
    // "Неисправность ОП"
    virtual void setOpFault(const quint16& value) = 0;
    virtual quint16 opFault() const = 0;
    // "Вскрытие корпуса"
    virtual void setCorpseOpen(const quint16& value) = 0;
    virtual quint16 corpseOpen() const = 0;
    // "Авария внешнего блока"
    virtual void setExtBlockAccident(const quint16& value) = 0;
    virtual quint16 extBlockAccident() const = 0;
    // "Вскрытие внешнего блока"
    virtual void setExtBlockOpening(const quint16& value) = 0;
    virtual quint16 extBlockOpening() const = 0;
};

} // namespace olma::config::programm
