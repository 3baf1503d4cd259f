#pragma once

#include "application.h"

#include <QApplication>
#include <QTest>

// Like QTEST_MAIN, with the application set up as the game's main() does it:
// Fusion style and the Japanese font substitutions.
#define JUNBAN_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char** argv) {                                                              \
        QApplication app(argc, argv);                                                              \
        setUpApplication();                                                                        \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
