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

    bool accepts(const LogEvent& event) const;
};

// The viewer's row order: true when `left` sorts before `right` on the first of `keys` where
// they differ (smaller value first). With no keys, or equal on every key, the one with the
// larger number is "smaller", so a descending sort shows the log in order of arrival.
bool logEventLess(const LogEvent& left, const LogEvent& right, const std::vector<int>& keys);

} // namespace olma::logview
