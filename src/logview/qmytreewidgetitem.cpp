#include "logview/qmytreewidgetitem.h"

#include "logview/logfilter.h"
#include "logview/logviewwidget.h"

namespace olma::logview {

QMyTreeWidgetItem::QMyTreeWidgetItem(LogViewWidget* owner, const LogEvent& event, const QStringList& columns)
    : QTreeWidgetItem(columns, QTreeWidgetItem::UserType), _owner(owner), _event(event)
{}

bool QMyTreeWidgetItem::operator<(const QTreeWidgetItem& other) const
{
    const auto* row = dynamic_cast<const QMyTreeWidgetItem*>(&other);
    if (!row)
        return QTreeWidgetItem::operator<(other);
    return logEventLess(_event, row->_event, _owner->sortKeys());
}

} // namespace olma::logview
