#include "tests/support/TestPki.h"

#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <sstream>
#include <stdexcept>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

#ifndef QUORVI_TEST_CA_BUNDLE
#define QUORVI_TEST_CA_BUNDLE ""
#endif
#ifndef QUORVI_TEST_PKI_KEY_DIR
#define QUORVI_TEST_PKI_KEY_DIR ""
#endif

namespace fs = std::filesystem;

namespace quorvi::test {

namespace {

struct Free {
    void operator()(EVP_PKEY* p) const { EVP_PKEY_free(p); }
    void operator()(X509* p) const { X509_free(p); }
    void operator()(BIO* p) const { BIO_free(p); }
    void operator()(BIGNUM* p) const { BN_free(p); }
    void operator()(X509_EXTENSION* p) const { X509_EXTENSION_free(p); }
};
using Key = std::unique_ptr<EVP_PKEY, Free>;
using Certificate = std::unique_ptr<X509, Free>;

[[noreturn]] void fail(const std::string& what)
{
    throw std::runtime_error("test PKI: " + what);
}

Key newKey()
{
    Key key(EVP_EC_gen("P-256"));
    if (!key) {
        fail("key generation failed");
    }
    return key;
}

void addExtension(X509* certificate, X509* issuer, int nid, const char* value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    std::unique_ptr<X509_EXTENSION, Free> extension(
        X509V3_EXT_conf_nid(nullptr, &context, nid, value));
    if (!extension || !X509_add_ext(certificate, extension.get(), -1)) {
        fail(std::string("cannot add extension ") + value);
    }
}

constexpr char kLocalNames[] = "DNS:localhost,IP:127.0.0.1,IP:::1";

// What a certificate is made for. Validity is in days from now.
struct Profile {
    const char* commonName;
    bool ca = false;
    const char* altNames = kLocalNames; // server certificates only
    long firstDay = -1;
    long lastDay = 800;
};

// Signed by issuer with issuerKey, or by itself when issuer is null.
Certificate newCertificate(EVP_PKEY* key, const Profile& profile, X509* issuer, EVP_PKEY* issuerKey)
{
    Certificate certificate(X509_new());
    std::unique_ptr<BIGNUM, Free> serial(BN_new());
    if (!certificate || !serial ||
        !BN_rand(serial.get(), 120, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY)) {
        fail("out of memory");
    }
    X509* x = certificate.get();
    X509_set_version(x, 2);
    BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(x));
    X509_gmtime_adj(X509_getm_notBefore(x), profile.firstDay * 24 * 3600);
    X509_gmtime_adj(X509_getm_notAfter(x), profile.lastDay * 24 * 3600);
    X509_set_pubkey(x, key);
    X509_NAME* name = X509_get_subject_name(x);
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("Quorvi test"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>(profile.commonName), -1, -1,
                               0);
    X509* signer = issuer ? issuer : x;
    X509_set_issuer_name(x, X509_get_subject_name(signer));
    if (profile.ca) {
        addExtension(x, signer, NID_basic_constraints, "critical,CA:TRUE");
        addExtension(x, signer, NID_key_usage, "critical,keyCertSign,cRLSign");
        addExtension(x, signer, NID_subject_key_identifier, "hash");
    } else {
        addExtension(x, signer, NID_basic_constraints, "critical,CA:FALSE");
        addExtension(x, signer, NID_key_usage, "critical,digitalSignature");
        addExtension(x, signer, NID_ext_key_usage, "serverAuth");
        addExtension(x, signer, NID_subject_alt_name, profile.altNames);
        addExtension(x, signer, NID_subject_key_identifier, "hash");
        if (issuer) {
            addExtension(x, signer, NID_authority_key_identifier, "keyid:always");
        }
    }
    if (!X509_sign(x, issuerKey ? issuerKey : key, EVP_sha256())) {
        fail("signing failed");
    }
    return certificate;
}

std::string toPem(X509* certificate)
{
    std::unique_ptr<BIO, Free> bio(BIO_new(BIO_s_mem()));
    PEM_write_bio_X509(bio.get(), certificate);
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, static_cast<std::size_t>(size));
}

std::string toPem(EVP_PKEY* key)
{
    std::unique_ptr<BIO, Free> bio(BIO_new(BIO_s_mem()));
    PEM_write_bio_PrivateKey(bio.get(), key, nullptr, nullptr, 0, nullptr, nullptr);
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, static_cast<std::size_t>(size));
}

// Written beside the target and renamed over it, so a reader never sees half a file.
void writeFile(const fs::path& path, const std::string& content, bool secret)
{
    const fs::path temporary = path.string() + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out.flush()) {
            fail("cannot write " + temporary.string());
        }
    }
    if (secret) {
        fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write);
    }
    fs::rename(temporary, path);
}

Certificate readCertificate(const fs::path& path)
{
    std::unique_ptr<BIO, Free> bio(BIO_new_file(path.c_str(), "r"));
    return Certificate(bio ? PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr) : nullptr);
}

Key readKey(const fs::path& path)
{
    std::unique_ptr<BIO, Free> bio(BIO_new_file(path.c_str(), "r"));
    return Key(bio ? PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr) : nullptr);
}

struct Files {
    fs::path caCert, caKey;
    ServerCredentials server;
};

bool stillValid(X509* certificate)
{
    std::time_t tomorrow = std::time(nullptr) + 24 * 3600;
    return X509_cmp_time(X509_get0_notAfter(certificate), &tomorrow) > 0 &&
           X509_cmp_current_time(X509_get0_notBefore(certificate)) < 0;
}

bool usable(const Files& files)
{
    Certificate ca = readCertificate(files.caCert);
    Certificate server = readCertificate(files.server.certificate);
    Key caKey = readKey(files.caKey);
    Key serverKey = readKey(files.server.privateKey);
    if (!ca || !server || !caKey || !serverKey) {
        return false;
    }
    return X509_check_private_key(ca.get(), caKey.get()) == 1 &&
           X509_check_private_key(server.get(), serverKey.get()) == 1 &&
           X509_verify(server.get(), X509_get0_pubkey(ca.get())) == 1 &&
           X509_check_host(server.get(), "localhost", 0, 0, nullptr) == 1 && stillValid(ca.get()) &&
           stillValid(server.get());
}

void generate(const Files& files, const char* caName)
{
    Key caKey = newKey();
    Certificate ca = newCertificate(caKey.get(), Profile{caName, true}, nullptr, nullptr);
    Key serverKey = newKey();
    Certificate server =
        newCertificate(serverKey.get(), Profile{"localhost"}, ca.get(), caKey.get());
    writeFile(files.caKey, toPem(caKey.get()), true);
    writeFile(files.server.privateKey, toPem(serverKey.get()), true);
    writeFile(files.server.certificate, toPem(server.get()), false);
    writeFile(files.caCert, toPem(ca.get()), false);
}

// A server certificate the cores must refuse, for the host name it is made for.
struct Refused {
    ServerCredentials files;
    Profile profile;
    const char* host;
    bool selfSigned;
};

// Reused while its key matches, its signer is still the one it should have and it is
// still valid, or still expired when it should be.
bool usable(const Refused& leaf, X509* ca)
{
    Certificate certificate = readCertificate(leaf.files.certificate);
    Key key = readKey(leaf.files.privateKey);
    if (!certificate || !key || X509_check_private_key(certificate.get(), key.get()) != 1) {
        return false;
    }
    X509* signer = leaf.selfSigned ? certificate.get() : ca;
    const bool expired = X509_cmp_current_time(X509_get0_notAfter(certificate.get())) < 0;
    return X509_verify(certificate.get(), X509_get0_pubkey(signer)) == 1 &&
           X509_check_host(certificate.get(), leaf.host, 0, 0, nullptr) == 1 &&
           expired == (leaf.profile.lastDay < 0) && (expired || stillValid(certificate.get()));
}

void generate(const Refused& leaf, X509* ca, EVP_PKEY* caKey)
{
    Key key = newKey();
    Certificate certificate = leaf.selfSigned
                                  ? newCertificate(key.get(), leaf.profile, nullptr, nullptr)
                                  : newCertificate(key.get(), leaf.profile, ca, caKey);
    writeFile(leaf.files.privateKey, toPem(key.get()), true);
    writeFile(leaf.files.certificate, toPem(certificate.get()), false);
}

class DirectoryLock {
public:
    explicit DirectoryLock(const fs::path& directory)
        : m_fd(::open((directory / ".pki.lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600))
    {
        if (m_fd < 0 || ::flock(m_fd, LOCK_EX) != 0) {
            fail("cannot lock " + directory.string());
        }
    }
    ~DirectoryLock()
    {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
    }
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

private:
    int m_fd;
};

} // namespace

bool TestPki::available()
{
    return *QUORVI_TEST_CA_BUNDLE != '\0';
}

std::string TestPki::unavailableReason()
{
    return "HTTPS tests need a test CA: configure with -DQUORVI_CA_BUNDLE=<build dir>/pki/ca.pem";
}

const TestPki& TestPki::instance()
{
    if (!available()) {
        fail(unavailableReason());
    }
    static const TestPki pki;
    return pki;
}

TestPki::TestPki()
{
    m_caBundle = QUORVI_TEST_CA_BUNDLE;
    const fs::path certDir = m_caBundle.parent_path();
    const fs::path keyDir = QUORVI_TEST_PKI_KEY_DIR;
    m_untrustedCa = certDir / "untrusted-ca.pem";
    m_trusted = {certDir / "server.pem", keyDir / "server.key"};
    m_untrusted = {certDir / "untrusted-server.pem", keyDir / "untrusted-server-key.pem"};
    m_selfSigned = {certDir / "self-signed-server.pem", keyDir / "self-signed-server.key"};
    m_expired = {certDir / "expired-server.pem", keyDir / "expired-server.key"};
    m_otherHost = {certDir / "other-host-server.pem", keyDir / "other-host-server.key"};

    fs::create_directories(certDir);
    fs::create_directories(keyDir);
    DirectoryLock lock(keyDir);
    const Files trusted{m_caBundle, keyDir / "ca.key", m_trusted};
    const Files untrusted{m_untrustedCa, keyDir / "untrusted-ca-key.pem", m_untrusted};
    if (!usable(trusted)) {
        generate(trusted, "Quorvi Test CA");
    }
    if (!usable(untrusted)) {
        generate(untrusted, "Quorvi Untrusted Test CA");
    }

    const Refused refused[] = {
        {m_selfSigned, Profile{"localhost"}, "localhost", true},
        {m_expired, Profile{"localhost", false, kLocalNames, -30, -1}, "localhost", false},
        {m_otherHost, Profile{"other.example", false, "DNS:other.example"}, "other.example", false},
    };
    const Certificate ca = readCertificate(m_caBundle);
    const Key caKey = readKey(trusted.caKey);
    if (!ca || !caKey) {
        fail("cannot read the test CA");
    }
    for (const Refused& leaf : refused) {
        if (!usable(leaf, ca.get())) {
            generate(leaf, ca.get(), caKey.get());
        }
    }
}

} // namespace quorvi::test
