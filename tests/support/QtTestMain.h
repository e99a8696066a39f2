#pragma once

#include "app/ui/WebBrowser.h"

#include <QApplication>
#include <QtTest>

// QTEST_MAIN for windows that hold the embedded browser, whose engine must
// be prepared before the application object exists.
#define PALIMORA_QTEST_MAIN(TestClass)          \
    int main(int argc, char* argv[]) {          \
        palimora::PrepareBrowserEngine();       \
        QApplication application(argc, argv);   \
        TestClass test;                         \
        return QTest::qExec(&test, argc, argv); \
    }
