#pragma once

#include "logview/logevent.h"

#include <vector>

namespace olma::logview {

// The face of the log viewer that the log store talks to.
class ILogViewWidget
{
public:
    virtual ~ILogViewWidget() = default;
    // Rebuilds the shown rows from the store.
    virtual void update() = 0;
    // The events that passed the filter at the last rebuild, in store order.
    virtual std::vector<LogEvent> visibleEvents() const = 0;
    // The store is being destroyed (the window tears down its children in creation order).
    virtual void storeDestroyed() = 0;
};

} // namespace olma::logview
