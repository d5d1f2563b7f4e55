// The start-up benchmark's reference for the service probe: the program's main window,
// made and shown as the program's entry does, but never probed (as WindowPreview).
#include "app/qt/MessageBoxPresenter.h"
#include "app/qt/QuorviApplication.h"
#include "app/qt/TQuorviInterpreter.h"

int main(int, char* argv[])
{
    MessageBoxPresenter messages;
    int applicationArgc = 1;
    QuorviApplication application(applicationArgc, argv, messages);
    TQuorviInterpreter window(messages, u"https://127.0.0.1:1/");
    window.show();
    return application.exec();
}
