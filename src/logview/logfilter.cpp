#include "logview/logfilter.h"

#include "logview/logseverity.h"

#include <limits>

namespace olma::logview {
namespace {

// Events with an impossible date sort before every real one.
qint64 timeKey(const LogEvent& event)
{
    return event.dateTime.isValid() ? event.dateTime.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

} // namespace

qint64 sortValue(const LogEvent& event, int key)
{
    switch (key) {
    case NumberKey:
        return event.number;
    case DateTimeKey:
        return timeKey(event);
    case SourceKey:
        return event.eventClass;
    case EventKey:
        return event.eventCode;
    case Param1Key:
        return event.paramA;
    case Param2Key:
        return event.paramB;
    default:
        return 0;
    }
}

bool LogFilter::accepts(const LogEvent& event) const
{
    if (byDate) {
        // An impossible date lies in no range.
        if (!event.dateTime.isValid() || event.dateTime < from || to < event.dateTime)
            return false;
    }
    if (byEvent) {
        if (event.eventClass != eventClass)
            return false;
        if (eventCode >= 0 && event.eventCode != eventCode)
            return false;
    }
    if (byUser) {
        if (event.eventClass != kClassUser)
            return false;
        if (user >= 0 && event.paramA != user)
            return false;
    }
    if (byTail) {
        if (event.eventClass != kClassZone)
            return false;
        if (tail >= 0 && event.paramB != tail)
            return false;
    }
    if (byBlock) {
        if (event.eventClass != kClassBlock)
            return false;
        if (blockType >= 0 && event.paramA != blockType)
            return false;
        if (blockAddress >= 0 && event.paramB != blockAddress)
            return false;
    }
    if (quickKinds != 0) {
        const Severity severity = severityOf(event);
        const bool kindMatches = ((quickKinds & QuickFire) && severity == Severity::Fire) ||
                                 ((quickKinds & QuickAlarm) && severity == Severity::Alarm) ||
                                 ((quickKinds & QuickFault) && severity == Severity::Fault) ||
                                 ((quickKinds & QuickUser) && event.eventClass == kClassUser);
        if (!kindMatches)
            return false;
    }
    if (since.isValid() && (!event.dateTime.isValid() || event.dateTime < since))
        return false;
    return true;
}

bool logEventLess(const LogEvent& left, const LogEvent& right, const std::vector<int>& keys)
{
    for (const int key : keys) {
        const qint64 l = sortValue(left, key);
        const qint64 r = sortValue(right, key);
        if (l != r)
            return l < r;
    }
    return left.number > right.number;
}

} // namespace olma::logview
