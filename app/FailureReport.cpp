#include "FailureReport.h"

QString failureReportText(const QString& message)
{
    if (message.isEmpty() || message.back() <= u'.') {
        return message;
    }
    return message + u'.';
}
