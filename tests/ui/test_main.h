#pragma once

#include "application.h"

#include <QTest>

// Runs a QtTest class inside the program's own application object, so that the title, the
// fonts and the message boxes are the program's.
#define QUARNEL_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        quarnel::Application application(argc, argv);                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
