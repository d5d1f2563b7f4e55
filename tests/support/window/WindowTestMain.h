#pragma once

#include "QuorviApplication.h"
#include "RecordingPresenter.h"

#include <QLocale>
#include <QTest>

// Runs a QtTest object under the application class the program runs, with the locale
// pinned. An exception that reaches the application's last guard fails the run.
template <typename Test>
int runWindowTest(int argc, char* argv[])
{
    RecordingPresenter backstop;
    int applicationArgc = 1;
    QuorviApplication application(applicationArgc, argv, backstop);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    QLocale::setDefault(QLocale::c());
    Test test;
    const int failed = QTest::qExec(&test, argc, argv);
    if (!backstop.errors().isEmpty()) {
        qWarning() << "escaped to the application:" << backstop.errors();
        return 1;
    }
    return failed;
}
