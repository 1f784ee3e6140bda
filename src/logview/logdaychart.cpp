#include "logview/logdaychart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace olma::logview {
namespace {

constexpr int kChartHeight = 130;

// Normal events are drawn grey: a plain bar would vanish against the chart's background.
QColor barColour(Severity severity)
{
    const QString colour = severityColour(severity);
    return colour.isEmpty() ? QColor(0xc8, 0xc8, 0xc8) : QColor(colour).darker(115);
}

} // namespace

LogDayChart::LogDayChart(QWidget* parent) : QWidget(parent), _chart(new QChart), _view(new QChartView(_chart, this))
{
    setObjectName(QStringLiteral("_dayChart"));
    _chart->legend()->hide();
    _chart->setMargins(QMargins(0, 0, 0, 0));
    _chart->setBackgroundRoundness(0);
    _view->setRenderHint(QPainter::Antialiasing, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(_view);
    setFixedHeight(kChartHeight);
    _axisX = new QBarCategoryAxis(_chart);
    _chart->addAxis(_axisX, Qt::AlignBottom);
    _axisY = new QValueAxis(_chart);
    _axisY->setLabelFormat(QStringLiteral("%d"));
    _axisY->setTickCount(3);
    _chart->addAxis(_axisY, Qt::AlignLeft);
}

LogDayChart::~LogDayChart() = default;

void LogDayChart::setEvents(const std::vector<LogEvent>& events)
{
    _counts = countByDay(events);
    _days.clear();
    for (const auto& day : _counts)
        _days.push_back(day.first);
    if (_days.size() > std::size_t(kMaxDays))
        _days.erase(_days.begin(), _days.end() - kMaxDays);

    _chart->removeAllSeries();
    _axisX->clear();
    if (_days.empty())
        return;

    auto* series = new QStackedBarSeries;
    series->setBarWidth(0.9);
    QStringList categories;
    int highest = 0;
    for (const QDate& day : _days) {
        categories.append(day.toString(QStringLiteral("dd.MM")));
        const auto& perSeverity = _counts.at(day);
        int total = 0;
        for (int n : perSeverity)
            total += n;
        highest = std::max(highest, total);
    }
    for (int s = kSeverityCount - 1; s >= 0; --s) {
        const auto severity = static_cast<Severity>(s);
        auto* set = new QBarSet(severityName(severity));
        set->setColor(barColour(severity));
        set->setBorderColor(barColour(severity));
        for (const QDate& day : _days)
            set->append(_counts.at(day)[std::size_t(s)]);
        connect(set, &QBarSet::clicked, this, [this](int index) {
            if (index >= 0 && index < int(_days.size()))
                emit dayClicked(_days[std::size_t(index)]);
        });
        series->append(set);
    }
    _chart->addSeries(series);
    _axisX->append(categories);
    // Every label of a long run of days would overlap.
    _axisX->setLabelsVisible(_days.size() <= 31);
    series->attachAxis(_axisX);
    _axisY->setRange(0, std::max(1, highest));
    series->attachAxis(_axisY);
}

} // namespace olma::logview
