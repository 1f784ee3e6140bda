#pragma once

namespace olma::logview {

class ILogViewWidget;

// The face of the log store that a viewer attaches itself to.
class ILogView
{
public:
    virtual ~ILogView() = default;
    // Attaches `view` (null detaches); the store refreshes it after every clear, load and read.
    virtual void setLogViewWidget(ILogViewWidget* view) = 0;
};

} // namespace olma::logview
