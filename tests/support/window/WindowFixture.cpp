#include "tests/support/window/WindowFixture.h"

#include "components/wrappers/EventPump.h"
#include "tests/support/TestPki.h"

#include <QCoreApplication>
#include <QTest>

WindowFixture::WindowFixture() = default;

WindowFixture::~WindowFixture()
{
    closeWindow();
    stopService();
}

bool WindowFixture::startService()
{
    if (!quorvi::test::TestPki::available()) {
        QTest::qSkip(quorvi::test::TestPki::unavailableReason().c_str(), __FILE__, __LINE__);
        return false;
    }
    m_service = std::make_unique<WindowService>();
    netcomp::setEventPump([] { QCoreApplication::processEvents(); });
    return true;
}

void WindowFixture::stopService()
{
    if (m_service) {
        netcomp::setEventPump(nullptr);
        m_service.reset();
    }
}

TQuorviInterpreter& WindowFixture::openWindow()
{
    m_messages.clear();
    m_window = std::make_unique<TQuorviInterpreter>(
        m_messages, m_service ? m_service->baseUrl() : std::u16string(kNowhere));
    return *m_window;
}

void WindowFixture::closeWindow()
{
    m_window.reset();
}
