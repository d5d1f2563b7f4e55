#pragma once

#include <filesystem>
#include <string>

namespace quorvi::test {

struct ServerCredentials {
    std::filesystem::path certificate; // PEM
    std::filesystem::path privateKey;  // PEM
};

// The certificates of the HTTPS tests, made on first use with OpenSSL: a CA whose
// certificate lies exactly at the QUORVI_CA_BUNDLE path (which the cores trust), a
// server certificate it signed for localhost, 127.0.0.1 and ::1, and the same pair
// from a second CA that nobody trusts. Beside them, server certificates a client must
// refuse: a self-signed one for the same names, one from the trusted CA that has
// expired, and one from the trusted CA for other.example only. Files that are already
// there and still fit are reused; private keys stay in the build tree. Safe against
// parallel test processes.
class TestPki {
public:
    // False when the build was configured without QUORVI_CA_BUNDLE.
    static bool available();
    static std::string unavailableReason();

    // Makes sure the files exist; throws std::runtime_error when they cannot be made.
    static const TestPki& instance();

    const std::filesystem::path& caBundle() const { return m_caBundle; }
    const ServerCredentials& trustedServer() const { return m_trusted; }
    const ServerCredentials& untrustedServer() const { return m_untrusted; }
    const ServerCredentials& selfSignedServer() const { return m_selfSigned; }
    const ServerCredentials& expiredServer() const { return m_expired; }
    const ServerCredentials& otherHostServer() const { return m_otherHost; }

private:
    TestPki();

    std::filesystem::path m_caBundle;
    std::filesystem::path m_untrustedCa;
    ServerCredentials m_trusted;
    ServerCredentials m_untrusted;
    ServerCredentials m_selfSigned;
    ServerCredentials m_expired;
    ServerCredentials m_otherHost;
};

} // namespace quorvi::test

// For the body of a GoogleTest test or SetUp: skips it when there is no test PKI.
#define QUORVI_SKIP_WITHOUT_TEST_PKI()                                                             \
    do {                                                                                           \
        if (!::quorvi::test::TestPki::available())                                                 \
            GTEST_SKIP() << ::quorvi::test::TestPki::unavailableReason();                          \
    } while (false)
