// Rebuilding the log viewer with a full panel log (4095 events): with no filter, and with the
// date filter and two sort keys. Prints the time of update() and of update() plus the repaint.

#include "app/pages.h"
#include "logview/logevents.h"
#include "logview/logview.h"
#include "logview/logviewwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kEvents = 4095;
constexpr int kRuns = 15;

unsigned char bcd(int v)
{
    return static_cast<unsigned char>((v / 10) << 4 | v % 10);
}

// A plausible month of panel life: all classes, codes and parameters, a few minutes apart.
std::vector<unsigned char> fullLog()
{
    std::vector<unsigned char> raw;
    raw.reserve(kEvents * 8);
    QDateTime t(QDate(2024, 3, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < kEvents; ++i) {
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

void print(const char* what, const Figures& f, const QTreeWidget* tree)
{
    const int rows = tree->topLevelItemCount();
    std::printf("%-48s rows %4d   min %7.1f ms   median %7.1f ms   max %7.1f ms\n", what, rows, f.min, f.median, f.max);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    olma::gui::registerPages();

    olma::logview::LogView log;
    log.setLogContent(fullLog());
    QWidget* page = log.logEvents()->createWidget(nullptr);
    page->resize(1366, 768);
    page->show();
    QApplication::processEvents();
    auto* view = dynamic_cast<olma::logview::LogViewWidget*>(page);
    auto* tree = page->findChild<QTreeWidget*>(QStringLiteral("_treeWidget"));

    auto rebuild = [&] { view->update(); };
    auto rebuildAndPaint = [&] {
        view->update();
        tree->viewport()->repaint();
    };

    std::printf("Log viewer rebuild, %d events, %d runs each\n", kEvents, kRuns);
    {
        const Figures f = measure(rebuild);
        print("no filter: update()", f, tree);
    }
    {
        const Figures f = measure(rebuildAndPaint);
        print("no filter: update() + repaint", f, tree);
    }

    page->findChild<QCheckBox*>(QStringLiteral("_dateTimeCheckBox"))->setChecked(true);
    page->findChild<QDateTimeEdit*>(QStringLiteral("_fromDateTimeEdit"))
        ->setDateTime(QDateTime(QDate(2024, 3, 3), QTime(0, 0)));
    page->findChild<QDateTimeEdit*>(QStringLiteral("_toDateTimeEdit"))
        ->setDateTime(QDateTime(QDate(2024, 3, 20), QTime(0, 0)));
    auto* keys = page->findChild<QListWidget*>(QStringLiteral("listWidget"));
    keys->item(0)->setCheckState(Qt::Checked); // date and time
    keys->item(2)->setCheckState(Qt::Checked); // event
    {
        const Figures f = measure(rebuild);
        print("date filter, two sort keys: update()", f, tree);
    }
    {
        const Figures f = measure(rebuildAndPaint);
        print("date filter, two sort keys: update() + repaint", f, tree);
    }

    delete page;
    return 0;
}
