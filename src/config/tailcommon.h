#pragma once

#include <QString>
#include <QtGlobal>

namespace olma::config {

// Loop type codes (bits 0..6 of a loop's first byte).
enum TailType
{
    TailSecurity = 0,
    TailDaily = 1,
    TailEntryExit = 2,
    TailWalkThrough = 3,
    TailFire = 4,
    TailTechnological = 5,
    TailHeatFire = 6,
    TailUserDefined = 7,
};

// What the loop page edits, for one loop or for several selected at once.
class TailCommon
{
public:
    virtual ~TailCommon() = default;

    virtual void setTailType(const int& type) = 0;
    virtual int tailType() const = 0;
    // Which panel time-out applies: 0 "Таймер 1", 1 "Таймер 2".
    virtual void setGuardOnTimeout(const quint16& timeout) = 0;
    virtual quint16 guardOnTimeout() const = 0;
    virtual void setGuardOffTimeout(const quint16& timeout) = 0;
    virtual quint16 guardOffTimeout() const = 0;
    // "Без отображения тревог"
    virtual void setWithoutAlarm(const bool& on) = 0;
    virtual bool withoutAlarm() const = 0;
    // "Автопересброс"
    virtual void setAutoReset(const bool& on) = 0;
    virtual bool autoReset() const = 0;
    // "Наличие БИЗ-Ex"
    virtual void setBizEx(const bool& on) = 0;
    virtual bool bizEx() const = 0;
    // "Автоперевзятие"
    virtual void setAutoReGuardOn(const bool& on) = 0;
    virtual bool autoReGuardOn() const = 0;
    // "Переопрос"
    virtual void setReRequest(const bool& on) = 0;
    virtual bool reRequest() const = 0;
    // "Контроль исправности"
    virtual void setFaultCheck(const bool& on) = 0;
    virtual bool faultCheck() const = 0;
    // "Пожар-1"
    virtual void setFire1(const bool& on) = 0;
    virtual bool fire1() const = 0;
    virtual void setDescription(const QString& text) = 0;
};

} // namespace olma::config
