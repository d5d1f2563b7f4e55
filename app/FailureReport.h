#pragma once

#include "MessagePresenter.h"

#include <QString>
#include <exception>

// The text of the general failure report: the message with a full stop appended, unless
// it is empty or its last character's code is at most that of the full stop.
QString failureReportText(const QString& message);

// Runs the action; an exception escaping it is shown as the general failure report and
// goes no further, so none crosses the Qt event loop.
template <typename Action> void reportFailures(MessagePresenter& messages, Action&& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        messages.error(failureReportText(QString::fromUtf8(error.what())));
    } catch (...) {
        messages.error(QString());
    }
}
