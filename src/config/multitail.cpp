#include "config/multitail.h"

#include "common/pagefactory.h"

namespace olma::config {

MultiTail::MultiTail(const QList<TailCommon*>& tails, int deviceType)
    : ConfigItem(nullptr, deviceType, 0), _tails(tails)
{
    _tails.removeAll(nullptr);
}

QWidget* MultiTail::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

template <typename T, typename Getter> T MultiTail::common(Getter get, T neutral) const
{
    if (_tails.isEmpty())
        return neutral;
    const T first = (_tails.first()->*get)();
    for (const TailCommon* tail : _tails) {
        if ((tail->*get)() != first)
            return neutral;
    }
    return first;
}

template <typename T, typename Setter> void MultiTail::forEach(Setter set, const T& value)
{
    for (TailCommon* tail : _tails)
        (tail->*set)(value);
}

void MultiTail::setTailType(const int& type)
{
    forEach(&TailCommon::setTailType, type);
}

int MultiTail::tailType() const
{
    return common<int>(&TailCommon::tailType, 0);
}

void MultiTail::setGuardOnTimeout(const quint16& timeout)
{
    forEach(&TailCommon::setGuardOnTimeout, timeout);
}

quint16 MultiTail::guardOnTimeout() const
{
    return common<quint16>(&TailCommon::guardOnTimeout, 0);
}

void MultiTail::setGuardOffTimeout(const quint16& timeout)
{
    forEach(&TailCommon::setGuardOffTimeout, timeout);
}

quint16 MultiTail::guardOffTimeout() const
{
    return common<quint16>(&TailCommon::guardOffTimeout, 0);
}

void MultiTail::setWithoutAlarm(const bool& on)
{
    forEach(&TailCommon::setWithoutAlarm, on);
}

bool MultiTail::withoutAlarm() const
{
    return common<bool>(&TailCommon::withoutAlarm, false);
}

void MultiTail::setAutoReset(const bool& on)
{
    forEach(&TailCommon::setAutoReset, on);
}

bool MultiTail::autoReset() const
{
    return common<bool>(&TailCommon::autoReset, false);
}

void MultiTail::setBizEx(const bool& on)
{
    forEach(&TailCommon::setBizEx, on);
}

bool MultiTail::bizEx() const
{
    return common<bool>(&TailCommon::bizEx, false);
}

void MultiTail::setAutoReGuardOn(const bool& on)
{
    forEach(&TailCommon::setAutoReGuardOn, on);
}

bool MultiTail::autoReGuardOn() const
{
    return common<bool>(&TailCommon::autoReGuardOn, false);
}

void MultiTail::setReRequest(const bool& on)
{
    forEach(&TailCommon::setReRequest, on);
}

bool MultiTail::reRequest() const
{
    return common<bool>(&TailCommon::reRequest, false);
}

void MultiTail::setFaultCheck(const bool& on)
{
    forEach(&TailCommon::setFaultCheck, on);
}

bool MultiTail::faultCheck() const
{
    return common<bool>(&TailCommon::faultCheck, false);
}

void MultiTail::setFire1(const bool& on)
{
    forEach(&TailCommon::setFire1, on);
}

bool MultiTail::fire1() const
{
    return common<bool>(&TailCommon::fire1, false);
}

QString MultiTail::description() const
{
    if (_tails.isEmpty())
        return QString();
    auto text = [](const TailCommon* tail) {
        const auto* item = dynamic_cast<const IConfigItem*>(tail);
        return item ? item->description() : QString();
    };
    const QString first = text(_tails.first());
    for (const TailCommon* tail : _tails) {
        if (text(tail) != first)
            return QString();
    }
    return first;
}

bool MultiTail::descriptionDiffers() const
{
    for (const TailCommon* tail : _tails) {
        const auto* item = dynamic_cast<const IConfigItem*>(tail);
        const auto* first = dynamic_cast<const IConfigItem*>(_tails.first());
        if (item && first && item->description() != first->description())
            return true;
    }
    return false;
}

void MultiTail::setDescription(const QString& text)
{
    forEach(&TailCommon::setDescription, text);
}

} // namespace olma::config
