#pragma once

#include "app/logic/MessagePresenter.h"
#include "components/codepage/CodePage.h"

#include <exception>
#include <string>

// The text of the general failure report: the message with a full stop appended, unless
// it is empty or its last character's code is at most that of the full stop.
std::u16string failureReportText(std::u16string message);

// Runs the action; an exception escaping it is shown as the general failure report and
// goes no further, so none crosses a toolkit's event loop.
template <typename Action> void reportFailures(MessagePresenter& messages, Action&& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        messages.error(failureReportText(netcomp::fromUtf8(error.what())));
    } catch (...) {
        messages.error(std::u16string());
    }
}
