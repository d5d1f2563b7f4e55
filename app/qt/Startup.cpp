#include "app/qt/Startup.h"

#include "app/logic/FailureReport.h"
#include "app/qt/MessageBoxPresenter.h"
#include "app/qt/QuorviApplication.h"
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/TextConversion.h"
#include "components/wrappers/EventPump.h"

namespace {

void run(QuorviApplication& application, MessagePresenter& messages, const QString& serviceBaseUrl)
{
    // While a transfer waits, the window repaints and takes input.
    netcomp::setEventPump([] { QCoreApplication::processEvents(); });

    TQuorviInterpreter window(messages, toU16String(serviceBaseUrl));
    window.afterConstruction();
    if (!window.refused()) {
        window.show();
    }
    application.exec();
}

} // namespace

int runQuorvi(int argc, char* argv[], const QString& serviceBaseUrl)
{
    char fallbackName[] = "QuorviV2";
    char* qtArgv[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr};
    int qtArgc = 1;

    MessageBoxPresenter messages;
    QuorviApplication application(qtArgc, qtArgv, messages);
    reportFailures(messages, [&] { run(application, messages, serviceBaseUrl); });
    return 0;
}
