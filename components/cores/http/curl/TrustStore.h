#pragma once

typedef struct x509_store_st X509_STORE;

namespace netcomp::http {

// The certificates every connection trusts: the system store (looked up lazily in its
// hashed directory) plus the CA bundle compiled in, if that file exists. Built on first
// use, once per process where the program shares it between its cores, else once per
// core; never freed. Null only when OpenSSL could not allocate it.
X509_STORE* sharedTrustStore();

} // namespace netcomp::http
