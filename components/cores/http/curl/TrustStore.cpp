#include "components/cores/http/curl/TrustStore.h"

#include "components/cores/http/curl/ProcessSharedValue.h"

#include <cstdlib>
#include <filesystem>
#include <openssl/err.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>

#ifndef QUORVI_CA_BUNDLE_PATH
#define QUORVI_CA_BUNDLE_PATH ""
#endif

namespace netcomp::http {

namespace {

X509_STORE* buildTrustStore()
{
    X509_STORE* store = X509_STORE_new();
    if (!store) {
        return nullptr;
    }
    const char* dir = std::getenv(X509_get_default_cert_dir_env());
    if (!dir || !*dir) {
        dir = X509_get_default_cert_dir();
    }
    if (X509_LOOKUP* lookup = X509_STORE_add_lookup(store, X509_LOOKUP_hash_dir())) {
        X509_LOOKUP_add_dir(lookup, dir, X509_FILETYPE_PEM);
    }

    const char* bundle = QUORVI_CA_BUNDLE_PATH;
    std::error_code ec;
    if (*bundle && std::filesystem::is_regular_file(bundle, ec)) {
        X509_STORE_load_file(store, bundle);
    }
    // A missing or unreadable extra bundle only means fewer trusted CAs.
    ERR_clear_error();
    return store;
}

} // namespace

X509_STORE* sharedTrustStore()
{
    // One store for the whole process when the program offers it, else one for this core.
    static X509_STORE* const store = static_cast<X509_STORE*>(processSharedValue(
        "netcomp.trust-store", +[]() -> void* { return buildTrustStore(); }));
    return store;
}

} // namespace netcomp::http
