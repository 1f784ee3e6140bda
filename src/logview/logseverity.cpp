#include "logview/logseverity.h"

#include "common/text.h"

namespace olma::logview {
namespace {

Severity blockSeverity(int code)
{
    switch (code) {
    case 13: // tamper: someone opened a block
        return Severity::Alarm;
    case 2:  // the panel switched off
    case 3:  // mains fault
    case 5:  // battery fault
    case 7:  // failure
    case 9:  // light sounder circuit
    case 10: // sound sounder circuit
    case 15: // fault
    case 17: // clock lost
    case 19: // short circuit
    case 20: // open circuit
    case 21: // output 1 shorted
    case 22: // output 2 shorted
        return Severity::Fault;
    default:
        return Severity::Normal;
    }
}

Severity zoneSeverity(int code)
{
    switch (code) {
    case 2: // ПОЖАР-1
    case 3: // ПОЖАР-2
        return Severity::Fire;
    case 1:  // alarm
    case 4:  // silent alarm
    case 12: // threshold 1 reached
    case 13: // threshold 2 reached
        return Severity::Alarm;
    case 5:  // short circuit
    case 6:  // open circuit
    case 7:  // failure
    case 11: // fault
    case 14: // power fault
        return Severity::Fault;
    default:
        return Severity::Normal;
    }
}

} // namespace

Severity severityOf(const LogEvent& event)
{
    switch (event.eventClass) {
    case kClassBlock:
        return blockSeverity(event.eventCode);
    case kClassZone:
        return zoneSeverity(event.eventCode);
    default:
        // Users arm, disarm and change settings: all of it is normal operation.
        return Severity::Normal;
    }
}

QString severityColour(Severity severity)
{
    switch (severity) {
    case Severity::Fire:
        return QStringLiteral("#ff9f9f");
    case Severity::Alarm:
        return QStringLiteral("#ffc98a");
    case Severity::Fault:
        return QStringLiteral("#fff08a");
    case Severity::Normal:
        break;
    }
    return QString();
}

QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::Fire:
        return OLMA_TEXT("Log", "Пожар");
    case Severity::Alarm:
        return OLMA_TEXT("Log", "Тревога");
    case Severity::Fault:
        return OLMA_TEXT("Log", "Неисправность");
    case Severity::Normal:
        break;
    }
    return OLMA_TEXT("Log", "Норма");
}

DayCounts countByDay(const std::vector<LogEvent>& events)
{
    DayCounts days;
    for (const LogEvent& event : events) {
        if (event.dateTime.isValid())
            ++days[event.dateTime.date()][static_cast<int>(severityOf(event))];
    }
    return days;
}

} // namespace olma::logview
