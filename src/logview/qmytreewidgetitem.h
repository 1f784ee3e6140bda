#pragma once

#include "logview/logevent.h"

#include <QTreeWidgetItem>

namespace olma::logview {

class LogViewWidget;

// A row of the log viewer: the event it shows, sorted by the viewer's sort keys.
class QMyTreeWidgetItem : public QTreeWidgetItem
{
public:
    QMyTreeWidgetItem(LogViewWidget* owner, const LogEvent& event, const QStringList& columns);

    const LogEvent& event() const { return _event; }

    bool operator<(const QTreeWidgetItem& other) const override;

private:
    LogViewWidget* _owner = nullptr;
    LogEvent _event;
};

} // namespace olma::logview
