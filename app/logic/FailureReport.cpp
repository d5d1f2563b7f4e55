#include "app/logic/FailureReport.h"

std::u16string failureReportText(std::u16string message)
{
    if (!message.empty() && message.back() > u'.') {
        message += u'.';
    }
    return message;
}
