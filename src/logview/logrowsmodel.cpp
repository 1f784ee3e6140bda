#include "logview/logrowsmodel.h"

#include "common/text.h"
#include "logview/logseverity.h"

#include <QBrush>
#include <QColor>

namespace olma::logview {
namespace {

const char* const kHeaders[LogRowsModel::kColumns] = {"№",
                                                      QT_TRANSLATE_NOOP("Log", "Дата"),
                                                      QT_TRANSLATE_NOOP("Log", "Источник"),
                                                      QT_TRANSLATE_NOOP("Log", "Событие"),
                                                      QT_TRANSLATE_NOOP("Log", "Параметр 1"),
                                                      QT_TRANSLATE_NOOP("Log", "Параметр 2")};

} // namespace

LogRowsModel::LogRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

void LogRowsModel::setRows(std::vector<LogEvent> events)
{
    beginResetModel();
    _rows = std::move(events);
    endResetModel();
}

QStringList LogRowsModel::rowTexts(int row) const
{
    const LogEvent& e = event(row);
    QStringList texts = describeEvent(e);
    texts.prepend(QString::number(e.number));
    return texts;
}

int LogRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(_rows.size());
}

int LogRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant LogRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(_rows.size()))
        return {};
    if (role == Qt::DisplayRole)
        return rowTexts(index.row()).value(index.column());
    if (role == Qt::BackgroundRole) {
        const QString colour = severityColour(severityOf(event(index.row())));
        if (!colour.isEmpty())
            return QBrush(QColor(colour));
    }
    return {};
}

QVariant LogRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns)
        return olma::translate("Log", kHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace olma::logview
