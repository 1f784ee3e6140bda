#pragma once

#include "config/configitem.h"
#include "config/tailcommon.h"

namespace olma::config {

// One alarm loop: its type, the time-outs it uses for arming and disarming, and seven behaviour
// flags, in two bytes of the image.
class Tail : public ConfigItem, public TailCommon
{
public:
    // Loop `index` (0..15); `type` is the type held until the loop is attached to an image.
    Tail(unsigned char* image, int deviceType, int index, int type);

    // The loop's page.
    QWidget* createWidget(QWidget* parent) override;

    int index() const { return _index; }

    void setTailType(const int& type) override;
    int tailType() const override { return _tailType; }
    void setGuardOnTimeout(const quint16& timeout) override;
    quint16 guardOnTimeout() const override { return _guardOnTimeout; }
    void setGuardOffTimeout(const quint16& timeout) override;
    quint16 guardOffTimeout() const override { return _guardOffTimeout; }
    void setWithoutAlarm(const bool& on) override;
    bool withoutAlarm() const override { return _withoutAlarm; }
    void setAutoReset(const bool& on) override;
    bool autoReset() const override { return _autoReset; }
    void setBizEx(const bool& on) override;
    bool bizEx() const override { return _bizEx; }
    void setAutoReGuardOn(const bool& on) override;
    bool autoReGuardOn() const override { return _autoReGuardOn; }
    void setReRequest(const bool& on) override;
    bool reRequest() const override { return _reRequest; }
    void setFaultCheck(const bool& on) override;
    bool faultCheck() const override { return _faultCheck; }
    void setFire1(const bool& on) override;
    bool fire1() const override { return _fire1; }
    void setDescription(const QString& text) override;

    void setDefault() override;
    void loadFromImage() override;
    // Type, time-out numbers (from 1) and the seven flags.
    QString exportText(int format) const override;

private:
    void writeBit(int byte, unsigned char bit, bool on);

    int _index = 0;
    int _tailType = 0;
    quint16 _guardOnTimeout = 0;
    quint16 _guardOffTimeout = 0;
    bool _withoutAlarm = false;
    bool _autoReset = false;
    bool _bizEx = false;
    bool _autoReGuardOn = false;
    bool _reRequest = false;
    bool _faultCheck = false;
    bool _fire1 = false;
    unsigned char* _bytes = nullptr;
};

} // namespace olma::config
