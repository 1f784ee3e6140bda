#pragma once

#include "logview/logevent.h"

#include <QDate>
#include <QString>

#include <array>
#include <map>
#include <vector>

// How much an event asks for attention, from the event tables: what the rows are coloured by.
namespace olma::logview {

enum class Severity
{
    Normal, // normal operation, restorations and user actions
    Fault,
    Alarm,
    Fire,
};
constexpr int kSeverityCount = 4;

Severity severityOf(const LogEvent& event);

// The background of a row of this severity as "#rrggbb"; empty for a normal event.
QString severityColour(Severity severity);
// The legend's word for the severity.
QString severityName(Severity severity);

// Events per calendar day and severity, for the day chart; events with an impossible date are left out.
using DayCounts = std::map<QDate, std::array<int, kSeverityCount>>;
DayCounts countByDay(const std::vector<LogEvent>& events);

} // namespace olma::logview
