#pragma once

#include "app/qt/QuorviApplication.h"
#include "tests/support/window/RecordingPresenter.h"

#include <QLocale>
#include <QTest>
#include <memory>
#include <type_traits>

// Runs a QtTest object under the application class the program runs, with the locale
// pinned. An exception that reaches the application's last guard fails the run, unless
// the test takes that guard's presenter to look at it itself.
template <typename Test> int runWindowTest(int argc, char* argv[])
{
    RecordingPresenter backstop;
    int applicationArgc = 1;
    QuorviApplication application(applicationArgc, argv, backstop);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    QLocale::setDefault(QLocale::c());

    std::unique_ptr<Test> test;
    if constexpr (std::is_constructible_v<Test, RecordingPresenter&>) {
        test = std::make_unique<Test>(backstop);
    } else {
        test = std::make_unique<Test>();
    }
    const int failed = QTest::qExec(test.get(), argc, argv);
    if (!backstop.errors().isEmpty()) {
        qWarning() << "escaped to the application:" << backstop.errors();
        return 1;
    }
    return failed;
}
