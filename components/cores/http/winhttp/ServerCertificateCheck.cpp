#include "components/cores/http/winhttp/ServerCertificateCheck.h"

#include "components/codepage/CodePage.h"

#include <cstddef>
#include <cstdio>
#include <string_view>

#ifndef QUORVI_CA_BUNDLE_PATH
#define QUORVI_CA_BUNDLE_PATH ""
#endif

namespace netcomp::http {

namespace {

// The engine every check uses, made once per process: the system's default engine, or one
// whose roots are the system's plus the bundle's.
struct TrustEngine {
    HCERTCHAINENGINE engine = nullptr; // null: the system's default engine
    bool hasExtraCa = false;
};

HCERTSTORE loadBundle(const char* path)
{
    if (!*path) {
        return nullptr;
    }
    const std::u16string name = fromUtf8(path);
    std::FILE* file = _wfopen(reinterpret_cast<const wchar_t*>(name.c_str()), L"rb");
    if (!file) {
        return nullptr;
    }
    std::string pem;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        pem.append(buffer, n);
    }
    std::fclose(file);
    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, 0, nullptr);
    if (!store) {
        return nullptr;
    }
    int added = 0;
    constexpr std::string_view kBegin = "-----BEGIN CERTIFICATE-----";
    constexpr std::string_view kEnd = "-----END CERTIFICATE-----";
    for (std::size_t begin = pem.find(kBegin); begin != std::string::npos;
         begin = pem.find(kBegin, begin + kBegin.size())) {
        const std::size_t end = pem.find(kEnd, begin);
        if (end == std::string::npos) {
            break;
        }
        const std::string block = pem.substr(begin, end + kEnd.size() - begin);
        DWORD size = 0;
        if (!CryptStringToBinaryA(block.c_str(), static_cast<DWORD>(block.size()),
                                  CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr, nullptr)) {
            continue;
        }
        std::string der(size, '\0');
        if (CryptStringToBinaryA(block.c_str(), static_cast<DWORD>(block.size()),
                                 CRYPT_STRING_BASE64HEADER, reinterpret_cast<BYTE*>(der.data()),
                                 &size, nullptr, nullptr) &&
            CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING,
                                             reinterpret_cast<const BYTE*>(der.data()), size,
                                             CERT_STORE_ADD_REPLACE_EXISTING, nullptr)) {
            ++added;
        }
    }
    if (added == 0) {
        CertCloseStore(store, 0);
        return nullptr;
    }
    return store;
}

TrustEngine makeTrustEngine()
{
    TrustEngine trust;
    HCERTSTORE bundle = loadBundle(QUORVI_CA_BUNDLE_PATH);
    if (!bundle) {
        return trust; // a missing or unreadable bundle only means fewer trusted CAs
    }
    HCERTSTORE roots = CertOpenStore(CERT_STORE_PROV_COLLECTION, 0, 0, 0, nullptr);
    HCERTSTORE system = CertOpenSystemStoreW(0, L"ROOT");
    if (roots && system) {
        CertAddStoreToCollection(roots, system, 0, 0);
    }
    if (roots) {
        CertAddStoreToCollection(roots, bundle, 0, 0);
    }
    CERT_CHAIN_ENGINE_CONFIG config{};
    // The size up to the exclusive root stores (Windows 7's): Wine refuses the full one.
    config.cbSize =
        offsetof(CERT_CHAIN_ENGINE_CONFIG, hExclusiveTrustedPeople) + sizeof(HCERTSTORE);
    config.hExclusiveRoot = roots;
    if (roots && CertCreateCertificateChainEngine(&config, &trust.engine)) {
        trust.hasExtraCa = true;
    } else {
        trust.engine = nullptr;
    }
    return trust;
}

// Never freed: transfers may run until the process ends.
const TrustEngine& trustEngine()
{
    static const TrustEngine engine = makeTrustEngine();
    return engine;
}

std::string describe(DWORD error, DWORD chainLength, bool selfSigned)
{
    switch (static_cast<HRESULT>(error)) {
    case CERT_E_UNTRUSTEDROOT:
    case CERT_E_CHAINING:
        return chainLength <= 1 && selfSigned ? "self-signed certificate"
                                              : "unable to get local issuer certificate";
    case CERT_E_EXPIRED:
        return "certificate has expired";
    case CERT_E_CN_NO_MATCH:
        return "certificate is not for this host name";
    case CERT_E_WRONG_USAGE:
        return "certificate is not meant for servers";
    case CRYPT_E_REVOKED:
        return "certificate revoked";
    default:
        break;
    }
    char text[64];
    std::snprintf(text, sizeof text, "error 0x%08lX", static_cast<unsigned long>(error));
    return text;
}

} // namespace

bool hasExtraTrustedCa()
{
    return trustEngine().hasExtraCa;
}

std::string verifyServerCertificate(PCCERT_CONTEXT certificate, const std::wstring& host)
{
    if (!certificate) {
        return "no server certificate";
    }
    LPSTR usage[] = {const_cast<LPSTR>(szOID_PKIX_KP_SERVER_AUTH)};
    CERT_CHAIN_PARA chainPara{};
    chainPara.cbSize = sizeof chainPara;
    chainPara.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
    chainPara.RequestedUsage.Usage.cUsageIdentifier = 1;
    chainPara.RequestedUsage.Usage.rgpszUsageIdentifier = usage;
    PCCERT_CHAIN_CONTEXT chain = nullptr;
    if (!CertGetCertificateChain(trustEngine().engine, certificate, nullptr,
                                 certificate->hCertStore, &chainPara, 0, nullptr, &chain)) {
        return "the certificate chain could not be built";
    }

    SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl{};
    ssl.cbSize = sizeof ssl;
    ssl.dwAuthType = AUTHTYPE_SERVER;
    ssl.pwszServerName = const_cast<wchar_t*>(host.c_str());
    CERT_CHAIN_POLICY_PARA policyPara{};
    policyPara.cbSize = sizeof policyPara;
    policyPara.pvExtraPolicyPara = &ssl;
    CERT_CHAIN_POLICY_STATUS status{};
    status.cbSize = sizeof status;
    const bool checked =
        CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain, &policyPara, &status);
    const DWORD length = chain->cChain > 0 ? chain->rgpChain[0]->cElement : 0;
    const bool selfSigned = CertCompareCertificateName(
        X509_ASN_ENCODING, &certificate->pCertInfo->Subject, &certificate->pCertInfo->Issuer);
    const DWORD chainErrors = chain->TrustStatus.dwErrorStatus;
    CertFreeCertificateChain(chain);
    if (!checked) {
        return "the certificate chain could not be checked";
    }
    if (status.dwError != 0) {
        return describe(status.dwError, length, selfSigned);
    }
    // Wine's SSL policy passes a chain that ends before any root: the chain's own
    // status says so.
    if (chainErrors & (CERT_TRUST_IS_PARTIAL_CHAIN | CERT_TRUST_IS_UNTRUSTED_ROOT)) {
        return describe(static_cast<DWORD>(CERT_E_UNTRUSTEDROOT), length, selfSigned);
    }
    if (chainErrors & CERT_TRUST_IS_NOT_TIME_VALID) {
        return describe(static_cast<DWORD>(CERT_E_EXPIRED), length, selfSigned);
    }
    if (chainErrors != CERT_TRUST_NO_ERROR) {
        return describe(static_cast<DWORD>(CERT_E_CHAINING), length, selfSigned);
    }
    return {};
}

} // namespace netcomp::http
