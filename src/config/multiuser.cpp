#include "config/multiuser.h"

#include "common/devicetype.h"
#include "common/pagefactory.h"

namespace olma::config {

MultiUser::MultiUser(const QList<UserCommon*>& users, int deviceType)
    : ConfigItem(nullptr, deviceType, 0), _users(users)
{
    _users.removeAll(nullptr);
}

QWidget* MultiUser::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

template <typename T, typename Getter> T MultiUser::common(Getter get, T neutral) const
{
    if (_users.isEmpty())
        return neutral;
    const T first = (_users.first()->*get)();
    for (const UserCommon* user : _users) {
        if ((user->*get)() != first)
            return neutral;
    }
    return first;
}

template <typename Getter> bool MultiUser::varies(Getter get) const
{
    for (const UserCommon* user : _users) {
        if ((user->*get)() != (_users.first()->*get)())
            return true;
    }
    return false;
}

template <typename T, typename Setter> void MultiUser::forEach(Setter set, const T& value)
{
    for (UserCommon* user : _users)
        (user->*set)(value);
}

CipherPassword MultiUser::password() const
{
    return common<CipherPassword>(&UserCommon::password, CipherPassword());
}

void MultiUser::setPassword(const CipherPassword& password)
{
    forEach(&UserCommon::setPassword, password);
}

IButtonKey MultiUser::key() const
{
    return common<IButtonKey>(&UserCommon::key, IButtonKey());
}

void MultiUser::setKey(const IButtonKey& key)
{
    forEach(&UserCommon::setKey, key);
}

quint16 MultiUser::accessMask() const
{
    return common<quint16>(&UserCommon::accessMask, 0);
}

void MultiUser::setAccessMask(const quint16& mask)
{
    forEach(&UserCommon::setAccessMask, mask);
}

bool MultiUser::tailOn() const
{
    return common<bool>(&UserCommon::tailOn, false);
}

void MultiUser::setTailOn(bool on)
{
    forEach(&UserCommon::setTailOn, on);
}

bool MultiUser::tailOff() const
{
    return common<bool>(&UserCommon::tailOff, false);
}

void MultiUser::setTailOff(bool on)
{
    forEach(&UserCommon::setTailOff, on);
}

bool MultiUser::partialTailOnOff() const
{
    return common<bool>(&UserCommon::partialTailOnOff, false);
}

void MultiUser::setPartialTailOnOff(bool on)
{
    forEach(&UserCommon::setPartialTailOnOff, on);
}

bool MultiUser::tailDrop() const
{
    return common<bool>(&UserCommon::tailDrop, false);
}

void MultiUser::setTailDrop(bool on)
{
    forEach(&UserCommon::setTailDrop, on);
}

QString MultiUser::description() const
{
    if (_users.isEmpty())
        return QString();
    auto text = [](const UserCommon* user) {
        const auto* item = dynamic_cast<const IConfigItem*>(user);
        return item ? item->description() : QString();
    };
    const QString first = text(_users.first());
    for (const UserCommon* user : _users) {
        if (text(user) != first)
            return QString();
    }
    return first;
}

void MultiUser::setDescription(const QString& text)
{
    forEach(&UserCommon::setDescription, text);
}

int MultiUser::loopCount() const
{
    return olma::loopCount(_deviceType);
}

void MultiUser::setAccess(int loop, bool on)
{
    for (UserCommon* user : _users)
        user->setAccess(loop, on);
}

bool MultiUser::differs(Field field) const
{
    switch (field) {
    case Field::Password:
        return varies(&UserCommon::password);
    case Field::Key:
        return varies(&UserCommon::key);
    case Field::TailOn:
        return varies(&UserCommon::tailOn);
    case Field::TailOff:
        return varies(&UserCommon::tailOff);
    case Field::PartialTailOnOff:
        return varies(&UserCommon::partialTailOnOff);
    case Field::TailDrop:
        return varies(&UserCommon::tailDrop);
    case Field::Description:
        for (const UserCommon* user : _users) {
            const auto* item = dynamic_cast<const IConfigItem*>(user);
            const auto* first = dynamic_cast<const IConfigItem*>(_users.first());
            if (item && first && item->description() != first->description())
                return true;
        }
        return false;
    }
    return false;
}

quint16 MultiUser::differingAccess() const
{
    quint16 bits = 0;
    for (const UserCommon* user : _users)
        bits |= user->accessMask() ^ _users.first()->accessMask();
    return bits;
}

} // namespace olma::config
