#pragma once

#include "logview/logseverity.h"

#include <QDate>
#include <QWidget>

#include <vector>

class QBarCategoryAxis;
class QChart;
class QChartView;
class QValueAxis;

namespace olma::logview {

// Events per day above the log's rows: one stacked bar per day, coloured by severity. A click
// on a bar names its day.
class LogDayChart : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(LogDayChart)

public:
    // A history of years would make bars too thin to click: only the latest days are drawn.
    static constexpr int kMaxDays = 92;

    explicit LogDayChart(QWidget* parent = nullptr);
    ~LogDayChart() override;

    void setEvents(const std::vector<LogEvent>& events);
    // The days drawn, oldest first, and their counts.
    const std::vector<QDate>& days() const { return _days; }
    const DayCounts& counts() const { return _counts; }

signals:
    void dayClicked(const QDate& day);

private:
    QChart* _chart = nullptr;
    QChartView* _view = nullptr;
    QBarCategoryAxis* _axisX = nullptr;
    QValueAxis* _axisY = nullptr;
    std::vector<QDate> _days;
    DayCounts _counts;
};

} // namespace olma::logview
