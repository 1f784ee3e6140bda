#pragma once

#include "logview/ilogviewwidget.h"
#include "logview/logevent.h"
#include "logview/logfilter.h"

#include <QDateTime>
#include <QWidget>

#include <memory>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QTreeView;

namespace Ui {
class LogViewWidget;
}

namespace olma::logview {

class LogDayChart;
class LogEvents;
class LogRowsModel;

// The page "Журнал событий": the store's events as a filtered, sorted six-column list.
class LogViewWidget : public QWidget, public ILogViewWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(LogViewWidget)

public:
    // Attaches itself to `store`; a store destroyed first leaves the page empty.
    LogViewWidget(LogEvents* store, QWidget* parent = nullptr);
    ~LogViewWidget() override;

    // The store's contents changed (clear, load, read): the date editors move to the log's first
    // and last events unless the date filter is on, and the rows are rebuilt through the filters.
    void update() override;
    std::vector<LogEvent> visibleEvents() const override { return _visible; }
    void storeDestroyed() override;

    // The sort keys taken at the last rebuild; the rows compare by them.
    const std::vector<int>& sortKeys() const { return _sortKeys; }
    // The filter as the inputs stand now.
    LogFilter currentFilter() const;
    // The selected rows as the clipboard gets them: the six columns separated by tabs, one line
    // per row, top to bottom.
    QString selectedRowsText() const;
    // The filtered list as printed: a header naming the panel, the read time and the filters,
    // then the rows in the order shown.
    QString printHtml() const;
    // The active filters in words, for the printed header.
    QString filterDescription() const;

public slots:
    void on__dateTimeCheckBox_stateChanged(int state);
    void on__eventCheckBox_stateChanged(int state);
    void on__userCheckBox_stateChanged(int state);
    void on__tailCheckBox_stateChanged(int state);
    void on__deviceBlockCheckBox_stateChanged(int state);
    void initEventCombo();
    void initDeviceAddressCombo();
    void on_filterButton_clicked();
    void showPopupMenu(const QPoint& pos);
    // Asks for a file and exports the rows that pass the filter, in store order.
    void exportVisibleEvents();
    // Sorts by a column; the same column again reverses the order.
    void sortByColumn(int column);
    void copySelectedRows();
    void printRows();
    void savePdf();
    // Narrows the date filter to one day (a bar of the day chart).
    void showDay(const QDate& day);

private:
    void initUserCombo();
    void initTailCombo();
    void initDeviceTypeCombo();
    void enableRow(const std::vector<QWidget*>& inputs, int state);
    void buildAdditions();
    // Rebuilds the rows from the store with the current filters and sort keys.
    void rebuild();
    // Applies a change of the inputs at once, unless the page is filling them itself.
    void filtersChanged();
    void resetDateRange();
    void render(QPagedPaintDevice* device) const;

    std::unique_ptr<Ui::LogViewWidget> _ui;
    LogEvents* _store = nullptr;
    std::vector<LogEvent> _visible;
    std::vector<int> _sortKeys;
    LogRowsModel* _model = nullptr;
    QLineEdit* _search = nullptr;
    QLabel* _countLabel = nullptr;
    LogDayChart* _chart = nullptr;
    std::vector<std::pair<QAbstractButton*, unsigned>> _kindButtons;
    QAbstractButton* _dayButton = nullptr;
    QAbstractButton* _weekButton = nullptr;
    // Each store event's texts in lower case, made at the first search after a change.
    std::vector<QString> _searchTexts;
    QDateTime _lastEventTime;
    int _headerColumn = -1;
    Qt::SortOrder _headerOrder = Qt::AscendingOrder;
    bool _filling = true;
};

} // namespace olma::logview
