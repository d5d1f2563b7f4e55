#include "app/qt/QuorviApplication.h"

#include "app/logic/FailureReport.h"
#include "app/qt/ToolTipStyle.h"

QuorviApplication::QuorviApplication(int& argc, char** argv, MessagePresenter& failures)
    : QApplication(argc, argv), m_failures(failures)
{
    setStyle(new ToolTipStyle);
}

bool QuorviApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    reportFailures(m_failures, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
