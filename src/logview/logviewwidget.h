#pragma once

#include "logview/ilogviewwidget.h"
#include "logview/logevent.h"
#include "logview/logfilter.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class LogViewWidget;
}

namespace olma::logview {

class LogEvents;

// The page "Журнал событий": the store's events as a filtered, sorted six-column list.
class LogViewWidget : public QWidget, public ILogViewWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(LogViewWidget)

public:
    // Attaches itself to `store`; a store destroyed first leaves the page empty.
    LogViewWidget(LogEvents* store, QWidget* parent = nullptr);
    ~LogViewWidget() override;

    // Rebuilds the rows from the store with the current filter and sort keys.
    void update() override;
    std::vector<LogEvent> visibleEvents() const override { return _visible; }
    void storeDestroyed() override;

    // The sort keys taken at the last rebuild; the rows compare by them.
    const std::vector<int>& sortKeys() const { return _sortKeys; }
    // The filter as the inputs stand now.
    LogFilter currentFilter() const;

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

private:
    void initUserCombo();
    void initTailCombo();
    void initDeviceTypeCombo();
    void enableRow(const std::vector<QWidget*>& inputs, int state);

    std::unique_ptr<Ui::LogViewWidget> _ui;
    LogEvents* _store = nullptr;
    std::vector<LogEvent> _visible;
    std::vector<int> _sortKeys;
};

} // namespace olma::logview
