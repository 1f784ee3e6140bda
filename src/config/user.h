#pragma once

#include "config/configitem.h"
#include "config/usercommon.h"

#include <QObject>

namespace olma::config {

// One of the panel's 255 users: password, iButton key, loop access and rights (a 16-byte record).
class User : public QObject, public ConfigItem, public UserCommon
{
    Q_OBJECT
    Q_DISABLE_COPY(User)

public:
    // Record `number` (0..254); users 0 and 254 are administrators.
    User(unsigned char* image, int deviceType, int number);

    // The user's page.
    QWidget* createWidget(QWidget* parent) override;

    using ConfigItem::children;

    // 0 for an administrator, 1 for an ordinary user.
    int userKind() const { return _userKind; }
    bool isAdministrator() const { return _userKind == 0; }
    int number() const { return _number; }

    CipherPassword password() const override { return _password; }
    void setPassword(const CipherPassword& password) override;
    IButtonKey key() const override { return _key; }
    void setKey(const IButtonKey& key) override;
    quint16 accessMask() const override { return _accessMask; }
    void setAccessMask(const quint16& mask) override;
    bool tailOn() const override { return _tailOn; }
    void setTailOn(bool on) override;
    bool tailOff() const override { return _tailOff; }
    void setTailOff(bool on) override;
    bool partialTailOnOff() const override { return _partialTailOnOff; }
    void setPartialTailOnOff(bool on) override;
    bool tailDrop() const override { return _tailDrop; }
    void setTailDrop(bool on) override;
    void setDescription(const QString& text) override;
    int loopCount() const override;

    // A password, or else a key: what the panel can recognise the user by.
    bool hasCredentials() const;
    // A password, or a key that holds an identifier (not empty, not never set): how the user list
    // tells configured users from the others.
    bool isSet() const;

    void setDefault() override;
    void loadFromImage() override;
    // Nothing for a user without credentials: the panel cannot recognise him.
    QString exportText(int format) const override;

signals:
    void descriptionChanged(int num, QString text);
    void keyOrPasswordChanged(int num);

private:
    void writeRight(unsigned char bit, bool on);

    int _userKind = 1;
    quint16 _number = 0;
    CipherPassword _password;
    quint16 _accessMask = 0;
    bool _tailOn = false;
    bool _tailOff = false;
    bool _partialTailOnOff = false;
    bool _tailDrop = false;
    IButtonKey _key;
    unsigned char* _record = nullptr;
};

} // namespace olma::config
