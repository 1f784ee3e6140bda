#pragma once

#include "logview/logevent.h"

#include <QDateTime>

#include <vector>

namespace olma::logview {

// Sort keys of the log viewer, carried by the sort entries as their item type.
enum SortKey
{
    DateTimeKey = 1,
    SourceKey = 2,
    EventKey = 3,
    Param1Key = 4,
    Param2Key = 5,
};

// The viewer's five filters as they stand at a rebuild. An event passes when every active
// filter accepts it; -1 in a criterion stands for "any".
struct LogFilter
{
    bool byDate = false;
    QDateTime from;
    QDateTime to;

    bool byEvent = false;
    int eventClass = 0;
    int eventCode = -1;

    bool byUser = false;
    int user = -1;

    bool byTail = false;
    int tail = -1;

    bool byBlock = false;
    int blockType = -1;
    int blockAddress = -1;

    // Quick filters: an event passes when it matches any of the kinds asked for (none: all pass)
    // and, with `since` valid, happened at or after it.
    unsigned quickKinds = 0;
    QDateTime since;

    bool accepts(const LogEvent& event) const;
};

// The kinds of the quick filters, as bits of LogFilter::quickKinds.
enum QuickKind : unsigned
{
    QuickFire = 1U << 0,
    QuickAlarm = 1U << 1,
    QuickFault = 1U << 2,
    QuickUser = 1U << 3,
};

// The value of `event` a sort key compares; NumberKey is the event's number (the № column).
constexpr int NumberKey = 0;
qint64 sortValue(const LogEvent& event, int key);

// The viewer's row order: true when `left` sorts before `right` on the first of `keys` where
// they differ (smaller value first). With no keys, or equal on every key, the one with the
// larger number is "smaller", so a descending sort shows the log in order of arrival.
bool logEventLess(const LogEvent& left, const LogEvent& right, const std::vector<int>& keys);

} // namespace olma::logview
