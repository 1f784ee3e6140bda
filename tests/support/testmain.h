#pragma once

#include "common/datadir.h"
#include "testpaths.h"

#include <QtTest>

#ifdef OLMA_TEST_GUI
#include "app/pages.h"

#include <QApplication>

// The application of a test that shows widgets: the models' pages are registered.
#define OLMA_TEST_APPLICATION(app, argc, argv)                                                                         \
    QApplication app(argc, argv);                                                                                      \
    app.setAttribute(Qt::AA_Use96Dpi, true);                                                                           \
    olma::gui::registerPages();
#else
#include <QCoreApplication>

// The application of a test over the core: no window system at all.
#define OLMA_TEST_APPLICATION(app, argc, argv) QCoreApplication app(argc, argv);
#endif

// QTEST_MAIN with the program's data folder pointed at the build tree's.
#define OLMA_TEST_MAIN(TestClass)                                                                                      \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        OLMA_TEST_APPLICATION(app, argc, argv)                                                                         \
        olma::setDataDir(QStringLiteral(OLMA_TEST_DATA_DIR));                                                          \
        TestClass tc;                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
