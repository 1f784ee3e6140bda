#pragma once

#include "common/datadir.h"
#include "testpaths.h"

#include <QApplication>
#include <QtTest>

// QTEST_MAIN with the program's data folder pointed at the build tree's.
#define OLMA_TEST_MAIN(TestClass)                                                                                      \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        olma::setDataDir(QStringLiteral(OLMA_TEST_DATA_DIR));                                                          \
        TestClass tc;                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
