// The programs page of a 16-loop configuration: selecting all 114 programs (Ctrl+A in the list),
// opening the loop tab and changing one loop trigger for all of them, then undoing that change
// (the image put back and the page made again, as the window does). Prints the time of the
// selection, of the change, of both, of the undo, and of "Сбросить все" on the same selection.

#include "app/edithistory.h"
#include "app/pages.h"
#include "config/configuration.h"
#include "config/imagemap.h"
#include "config/programm/programms.h"
#include "config/programm/tailstates.h"
#include "config/widgets/ycombobox.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace olma::config;

namespace {

constexpr int kRuns = 20;
constexpr double kTargetMs = 200;
constexpr double kUndoTargetMs = 50;
constexpr double kResetTargetMs = 100;
constexpr int kLoopTab = 1;

template <typename T> T* child(const QObject* parent, const char* name)
{
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    if (!w) {
        std::fprintf(stderr, "olma-bench-programmspage: no %s\n", name);
        std::exit(1);
    }
    return w;
}

QTabWidget* editorTabs(QWidget* page)
{
    return child<QTabWidget>(child<QStackedWidget>(page, "_programmPropertyStack")->currentWidget(), "_tabWidget");
}

struct Figures
{
    std::vector<double> select, change, total, undo, undoModel, reset;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double worst(const std::vector<double>& v)
{
    return *std::max_element(v.begin(), v.end());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's remarks about window hints are no figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    olma::gui::registerPages();
    std::vector<unsigned char> image(kImageSize, 0);
    Configuration configuration(image.data(), 2);
    Programms* programms = configuration.programms();
    olma::app::EditHistory history(image, configuration);

    Figures figures;
    bool allSet = true;
    for (int run = 0; run < kRuns; ++run) {
        std::unique_ptr<QWidget> page(programms->createWidget(nullptr));
        page->resize(1180, 700);
        page->show();
        QApplication::processEvents();
        auto* tree = child<QTreeWidget>(page.get(), "_programmsTreeWidget");
        tree->setFocus();
        const int value = 1 + run % 2;

        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(tree, Qt::Key_A, Qt::ControlModifier);
        const qint64 selected = timer.nsecsElapsed();
        QTabWidget* tabs = editorTabs(page.get());
        tabs->setCurrentIndex(kLoopTab);
        QWidget* loops = tabs->currentWidget();
        QWidget* loop = child<QStackedWidget>(loops, "_tailStatesStack")->currentWidget();
        child<QComboBox>(child<YComboBox>(loop, "_faultComboBox"), "_comboBox")->setCurrentIndex(value);
        const qint64 changed = timer.nsecsElapsed();

        figures.select.push_back(selected / 1e6);
        figures.change.push_back((changed - selected) / 1e6);
        figures.total.push_back(changed / 1e6);
        for (int i = 0; i < programms->count(); ++i)
            allSet = allSet && programms->programm(i)->tailStates()->tailState(0)->fault() == value;

        // Undo: the image back, the tree reloaded, the page made again.
        history.checkpoint();
        timer.restart();
        history.undo();
        const qint64 undone = timer.nsecsElapsed();
        page.reset(programms->createWidget(nullptr));
        page->resize(1180, 700);
        page->show();
        QApplication::processEvents();
        figures.undo.push_back(timer.nsecsElapsed() / 1e6);
        figures.undoModel.push_back(undone / 1e6);
        for (int i = 0; i < programms->count(); ++i)
            allSet = allSet && programms->programm(i)->tailStates()->tailState(0)->fault() == 0;
        history.redo();
        tree = child<QTreeWidget>(page.get(), "_programmsTreeWidget");
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_A, Qt::ControlModifier);
        tabs = editorTabs(page.get());

        tabs->setCurrentIndex(0);
        timer.restart();
        QTest::mouseClick(child<QPushButton>(tabs->currentWidget(), "_dropButton"), Qt::LeftButton);
        figures.reset.push_back(timer.nsecsElapsed() / 1e6);
        for (int i = 0; i < programms->count(); ++i)
            allSet = allSet && programms->programm(i)->tailStates()->tailState(0)->fault() == 0;
    }

    std::printf("%d runs, %d programs of a 16-loop panel; median / worst, ms\n", kRuns, programms->count());
    std::printf("  select all (Ctrl+A):         %7.2f / %7.2f\n", median(figures.select), worst(figures.select));
    std::printf("  change one loop trigger:     %7.2f / %7.2f\n", median(figures.change), worst(figures.change));
    std::printf("  both:                        %7.2f / %7.2f  (target %.0f)\n", median(figures.total),
                worst(figures.total), kTargetMs);
    std::printf("  undo the change:             %7.2f / %7.2f  (target %.0f)\n", median(figures.undo),
                worst(figures.undo), kUndoTargetMs);
    std::printf("    of which the configuration: %7.2f / %7.2f\n", median(figures.undoModel), worst(figures.undoModel));
    std::printf("  reset all (\"Сбросить все\"): %7.2f / %7.2f  (target %.0f)\n", median(figures.reset),
                worst(figures.reset), kResetTargetMs);
    if (!allSet) {
        std::fprintf(stderr, "olma-bench-programmspage: a program did not take the change\n");
        return 1;
    }
    return 0;
}
