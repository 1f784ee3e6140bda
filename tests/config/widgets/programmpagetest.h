#pragma once

#include "../programm/programmbytes.h"
#include "config/widgets/ycombobox.h"
#include "pagetest.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

// What the program page tests add to the page tests: the editor shown beside the programs list,
// its tabs, the trigger rows and the program records.
namespace programmpagetest {

using pagetest::child;

// The record of program slot `index` as it lies in the configuration's image.
inline QByteArray record(const pagetest::Config& config, int index)
{
    return programmbytes::record(config.image, index);
}

inline unsigned char recordByte(const pagetest::Config& config, int index, int offset)
{
    return config.byte(programmbytes::recordOffset(index) + offset);
}

// The tabbed editor a page shows now: the page itself or the one in the programs page's stack.
inline QTabWidget* editorTabs(QWidget* page)
{
    if (auto* stack = page->findChild<QStackedWidget*>(QStringLiteral("_programmPropertyStack")))
        page = stack->currentWidget();
    return child<QTabWidget>(page, "_tabWidget");
}

inline QStringList tabTitles(QTabWidget* tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles.append(tabs->tabText(i));
    return titles;
}

// Clicks the tab titled `title` and answers its page.
inline QWidget* openTab(QTabWidget* tabs, const QString& title)
{
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabText(i) == title) {
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(i).center());
            return tabs->widget(i);
        }
    }
    qFatal("no tab %s", qPrintable(title));
    return nullptr;
}

// The page a list page shows beside its list.
inline QWidget* stackPage(QWidget* listPage, const char* stackName)
{
    return child<QStackedWidget>(listPage, stackName)->currentWidget();
}

// Picks a trigger value in a row the way a mouse user does.
inline void chooseTrigger(olma::config::YComboBox* row, int value)
{
    pagetest::choose(child<QComboBox>(row, "_comboBox"), value);
}

inline void chooseTrigger(QWidget* page, const char* rowName, int value)
{
    chooseTrigger(child<olma::config::YComboBox>(page, rowName), value);
}

// The values the rows of a page show, top to bottom.
inline QList<int> shownTriggers(QWidget* page)
{
    QList<int> values;
    for (auto* row : page->findChildren<olma::config::YComboBox*>())
        values.append(row->value());
    return values;
}

} // namespace programmpagetest
