// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "application.h"

#include <QApplication>
#include <QTest>

// QTEST_MAIN with the application set up as the program's main() does it.
#define JUNBAN_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char** argv) {                                                              \
        QApplication app(argc, argv);                                                              \
        setUpApplication();                                                                        \
        TestClass tc;                                                                              \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
