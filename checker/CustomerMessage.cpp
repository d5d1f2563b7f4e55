#include "checker/CustomerMessage.h"

#include "app/logic/FailureReport.h"
#include "components/codepage/CodePage.h"

std::string customerMessage(const std::exception& error)
{
    return netcomp::toUtf8(failureReportText(netcomp::fromUtf8(error.what())));
}

std::string seenAfterLoading(const std::exception& error)
{
    return std::string(kAfterLoading) + " " + inQuotes(customerMessage(error));
}

std::string inQuotes(std::u16string_view text)
{
    return inQuotes(netcomp::toUtf8(text));
}

std::string inQuotes(std::string_view utf8)
{
    return "„" + std::string(utf8) + "“";
}
