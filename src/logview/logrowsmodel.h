#pragma once

#include "logview/logevent.h"

#include <QAbstractTableModel>

#include <vector>

namespace olma::logview {

// The rows of the log viewer: the six columns of the events shown, in the order shown. The
// texts are made when a row is painted, so a history of many thousand events costs only its
// filtering and sorting.
class LogRowsModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY(LogRowsModel)

public:
    static constexpr int kColumns = 6;

    explicit LogRowsModel(QObject* parent = nullptr);

    // Shows `events` in this order; the model keeps its own copy.
    void setRows(std::vector<LogEvent> events);
    const LogEvent& event(int row) const { return _rows.at(std::size_t(row)); }
    // The six texts of a row: №, then the five texts of the event.
    QStringList rowTexts(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<LogEvent> _rows;
};

} // namespace olma::logview
