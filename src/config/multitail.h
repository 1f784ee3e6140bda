#pragma once

#include "config/configitem.h"
#include "config/tailcommon.h"

#include <QList>

namespace olma::config {

// Several selected loops edited as one: setters reach every loop in order; getters give the
// common value, or the neutral one (0, false, empty) when the loops differ.
class MultiTail : public ConfigItem, public TailCommon
{
public:
    // The loops are not owned.
    MultiTail(const QList<TailCommon*>& tails, int deviceType);

    // One page for all the loops.
    QWidget* createWidget(QWidget* parent) override;

    const QList<TailCommon*>& tails() const { return _tails; }

    // Whether the selected loops hold different values of what `get` reads.
    template <typename Getter> bool differs(Getter get) const
    {
        for (const TailCommon* tail : _tails) {
            if ((tail->*get)() != (_tails.first()->*get)())
                return true;
        }
        return false;
    }
    bool descriptionDiffers() const;

    void setTailType(const int& type) override;
    int tailType() const override;
    void setGuardOnTimeout(const quint16& timeout) override;
    quint16 guardOnTimeout() const override;
    void setGuardOffTimeout(const quint16& timeout) override;
    quint16 guardOffTimeout() const override;
    void setWithoutAlarm(const bool& on) override;
    bool withoutAlarm() const override;
    void setAutoReset(const bool& on) override;
    bool autoReset() const override;
    void setBizEx(const bool& on) override;
    bool bizEx() const override;
    void setAutoReGuardOn(const bool& on) override;
    bool autoReGuardOn() const override;
    void setReRequest(const bool& on) override;
    bool reRequest() const override;
    void setFaultCheck(const bool& on) override;
    bool faultCheck() const override;
    void setFire1(const bool& on) override;
    bool fire1() const override;
    // The common description, or empty text.
    QString description() const override;
    void setDescription(const QString& text) override;

private:
    template <typename T, typename Getter> T common(Getter get, T neutral) const;
    template <typename T, typename Setter> void forEach(Setter set, const T& value);

    QList<TailCommon*> _tails;
};

} // namespace olma::config
