#pragma once

#include "HttpsTestServer.h"

#include <QString>
#include <string>

// A local HTTPS service for window tests: answers the start-up probe and serves sample
// documents, reports and interpreter documents at the addresses the window asks for.
// Sample documents go out in Windows-1252, interpreter documents as given (UTF-8).
class WindowService {
public:
    WindowService();

    std::u16string baseUrl() const;
    quorvi::test::HttpsTestServer& server() { return m_server; }

    void addSample(const QString& code, const QString& name, const QString& type,
                   bool withReport = true);
    // Any answer for the sample document's address.
    void addSampleRoute(const QString& code, quorvi::test::TestRoute route);
    void addInterpreter(const QString& type, std::string document);
    void addInterpreterRoute(const QString& type, quorvi::test::TestRoute route);

    // The request target of a service address: what follows the base address.
    std::string target(const std::u16string& address) const;

private:
    quorvi::test::HttpsTestServer m_server;
};
