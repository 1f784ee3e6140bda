// The log viewer at the speed of thought: with a full panel log (4095 events) and with a
// synthetic history of 100 000 events loaded straight into the store, the time from a user's
// change (a filter, a search keystroke, a header click) to the repainted list, against its target.

#include "app/pages.h"
#include "logview/logevents.h"
#include "logview/logview.h"
#include "logview/logviewwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPanelEvents = 4095;
constexpr int kHistoryEvents = 100000;
constexpr int kRuns = 15;

unsigned char bcd(int v)
{
    return static_cast<unsigned char>((v / 10) << 4 | v % 10);
}

// A plausible month of panel life: all classes, codes and parameters, a few minutes apart.
std::vector<unsigned char> fullLog(int events)
{
    std::vector<unsigned char> raw;
    raw.reserve(std::size_t(events) * 8);
    QDateTime t(QDate(2024, 3, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < events; ++i) {
        t = t.addSecs(60 * (1 + (i * 7) % 13));
        const int eventClass = 1 + i % 3;
        const int code = 1 + (i * 5) % (eventClass == 1 ? 24 : eventClass == 2 ? 30 : 14);
        const unsigned char record[8] = {bcd(t.date().year() - 2000),
                                         bcd(t.date().month()),
                                         bcd(t.date().day()),
                                         static_cast<unsigned char>(bcd(t.time().hour()) | eventClass << 6),
                                         bcd(t.time().minute()),
                                         static_cast<unsigned char>(i % 12),
                                         static_cast<unsigned char>(1 + i % 16),
                                         static_cast<unsigned char>(code)};
        raw.insert(raw.end(), record, record + 8);
    }
    return raw;
}

struct Figures
{
    double min = 0;
    double median = 0;
    double max = 0;
};

template <typename F> Figures measure(F&& run)
{
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2], ms.back()};
}

void print(const char* what, const Figures& f, const QTreeView* tree, double targetMs)
{
    const int rows = tree->model()->rowCount();
    std::printf("%-44s rows %6d   min %7.1f ms   median %7.1f ms   max %7.1f ms   target %4.0f ms  %s\n", what, rows,
                f.min, f.median, f.max, targetMs, f.median <= targetMs ? "ok" : "OVER");
}

void run(int events, double targetMs)
{
    olma::logview::LogView log;
    log.setLogContent(fullLog(events));
    QWidget* page = log.logEvents()->createWidget(nullptr);
    page->resize(1366, 768);
    page->show();
    QApplication::processEvents();
    auto* view = dynamic_cast<olma::logview::LogViewWidget*>(page);
    auto* tree = page->findChild<QTreeView*>(QStringLiteral("_treeWidget"));
    auto repainted = [&](auto&& change) {
        return [&, change] {
            change();
            tree->viewport()->repaint();
        };
    };

    std::printf("Log viewer, %d events, %d runs each, each figure to a repainted list\n", events, kRuns);
    print("load or read: rebuild", measure(repainted([&] { view->update(); })), tree, targetMs);

    auto* dateBox = page->findChild<QCheckBox*>(QStringLiteral("_dateTimeCheckBox"));
    auto* from = page->findChild<QDateTimeEdit*>(QStringLiteral("_fromDateTimeEdit"));
    from->setDateTime(QDateTime(QDate(2024, 3, 3), QTime(0, 0)));
    print("filter change: date filter on and off", measure(repainted([&] { dateBox->toggle(); })), tree, targetMs);

    auto* fire = page->findChild<QToolButton*>(QStringLiteral("_quickFaults"));
    print("quick filter on and off", measure(repainted([&] { fire->toggle(); })), tree, targetMs);
    fire->setChecked(false);

    auto* search = page->findChild<QLineEdit*>(QStringLiteral("_searchEdit"));
    search->setText(QStringLiteral("з")); // the first keystroke makes the texts searched
    QApplication::processEvents();
    int keystroke = 0;
    const QString typed = QStringLiteral("зона: 1");
    print("search keystroke", measure(repainted([&] { search->setText(typed.left(1 + keystroke++ % typed.size())); })),
          tree, targetMs);
    search->clear();

    auto* keys = page->findChild<QListWidget*>(QStringLiteral("listWidget"));
    print("sort key ticked or unticked", measure(repainted([&] {
              QListWidgetItem* item = keys->item(0);
              item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
          })),
          tree, targetMs);
    QHeaderView* header = tree->header();
    int column = 0;
    print("header click", measure(repainted([&] { emit header->sectionClicked(1 + column++ % 5); })), tree, targetMs);
    delete page;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    olma::gui::registerPages();
    run(kPanelEvents, 50);
    run(kHistoryEvents, 300);
    return 0;
}
