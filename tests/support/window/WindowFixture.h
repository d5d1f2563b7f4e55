#pragma once

#include "app/qt/TQuorviInterpreter.h"
#include "tests/support/window/RecordingPresenter.h"
#include "tests/support/window/WindowService.h"

#include <memory>
#include <string_view>

// What the window tests set up, once for their test case (the local laboratory service
// with the program's event pump) and for each test function (a fresh window with the
// presenter that records its messages). A test class derives from QObject first and from
// this second.
class WindowFixture {
protected:
    // An address where nobody listens: for tests of the window that load nothing.
    static constexpr std::u16string_view kNowhere = u"https://127.0.0.1:1/";

    WindowFixture();
    ~WindowFixture();

    // Starts the service and installs the event pump, as the program does, so the window
    // keeps working while a transfer waits. Without the test PKI it skips the test case
    // and returns false.
    bool startService();
    void stopService();

    // A new window on the service (on kNowhere before startService), not yet probed, and
    // a cleared presenter.
    TQuorviInterpreter& openWindow();
    void closeWindow();

    std::unique_ptr<WindowService> m_service;
    RecordingPresenter m_messages;
    std::unique_ptr<TQuorviInterpreter> m_window;
};
