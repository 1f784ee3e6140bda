#pragma once

#include "config/configitem.h"
#include "config/usercommon.h"

#include <QList>

namespace olma::config {

// Several selected users edited as one: setters reach every user in order and change that one
// field of each; getters give the common value, or the neutral one (0, false, empty) when the
// users differ, which differs() tells apart.
class MultiUser : public ConfigItem, public UserCommon
{
public:
    // The users are not owned; `deviceType` decides loopCount().
    MultiUser(const QList<UserCommon*>& users, int deviceType);

    // One page for all the users.
    QWidget* createWidget(QWidget* parent) override;

    const QList<UserCommon*>& users() const { return _users; }

    CipherPassword password() const override;
    void setPassword(const CipherPassword& password) override;
    // The neutral key is the empty one (all bytes zero).
    IButtonKey key() const override;
    void setKey(const IButtonKey& key) override;
    quint16 accessMask() const override;
    void setAccessMask(const quint16& mask) override;
    bool tailOn() const override;
    void setTailOn(bool on) override;
    bool tailOff() const override;
    void setTailOff(bool on) override;
    bool partialTailOnOff() const override;
    void setPartialTailOnOff(bool on) override;
    bool tailDrop() const override;
    void setTailDrop(bool on) override;
    // The common description, or empty text.
    QString description() const override;
    void setDescription(const QString& text) override;
    int loopCount() const override;
    void setAccess(int loop, bool on) override;

    enum class Field
    {
        Password,
        Key,
        TailOn,
        TailOff,
        PartialTailOnOff,
        TailDrop,
        Description,
    };
    // Whether the selected users hold different values of the field.
    bool differs(Field field) const;
    // The loops whose access differs among the selected users.
    quint16 differingAccess() const;

private:
    template <typename T, typename Getter> T common(Getter get, T neutral) const;
    template <typename Getter> bool varies(Getter get) const;
    template <typename T, typename Setter> void forEach(Setter set, const T& value);

    QList<UserCommon*> _users;
};

} // namespace olma::config
