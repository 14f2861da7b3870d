// SPDX-License-Identifier: MIT

#pragma once

// The main() of every test: Qt Test's own, with the program's start-up of the
// user interface between the QApplication and the first test.

#include "layout/ui_setup.h"

#include <QApplication>
#include <QTest>

#define HEXACLE_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char *argv[]) {                                                             \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        hexacle::layout::startUserInterface();                                                     \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
