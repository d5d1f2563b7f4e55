// Shows the main window without the service probe, for screenshots. Prints "shown" half a
// second after showing it, time enough for the first paint, and runs until it is closed
// or killed.
#include "app/qt/MessageBoxPresenter.h"
#include "app/qt/QuorviApplication.h"
#include "app/qt/TQuorviInterpreter.h"

#include <QTimer>
#include <cstdio>

int main(int, char* argv[])
{
    MessageBoxPresenter messages;
    int applicationArgc = 1;
    QuorviApplication application(applicationArgc, argv, messages);
    TQuorviInterpreter window(messages, u"https://127.0.0.1:1/");
    window.show();
    QTimer::singleShot(500, [] {
        std::puts("shown");
        std::fflush(stdout);
    });
    return application.exec();
}
