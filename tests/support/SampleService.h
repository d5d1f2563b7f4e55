#pragma once

#include "tests/support/HttpsTestServer.h"

#include <string>
#include <string_view>

// A local HTTPS laboratory service: answers the start-up probe and serves sample
// documents, reports and interpreter documents at the addresses the program asks for.
// Sample documents go out in Windows-1252, interpreter documents as given (UTF-8).
class SampleService {
public:
    SampleService();

    std::u16string baseUrl() const;
    quorvi::test::HttpsTestServer& server() { return m_server; }

    void addSample(std::u16string_view code, std::u16string_view name, std::u16string_view type,
                   bool withReport = true);
    // Any answer for the sample document's address.
    void addSampleRoute(std::u16string_view code, quorvi::test::TestRoute route);
    void addInterpreter(std::u16string_view type, std::string document);
    void addInterpreterRoute(std::u16string_view type, quorvi::test::TestRoute route);

    // The request target of a service address: what follows the base address.
    std::string target(const std::u16string& address) const;

private:
    quorvi::test::HttpsTestServer m_server;
};
