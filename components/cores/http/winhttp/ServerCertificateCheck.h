#pragma once

#include <windows.h>

#include <string>
#include <wincrypt.h>

namespace netcomp::http {

// Whether the extra CA bundle compiled into the program holds a certificate. Only then
// does the transport leave the root check to verifyServerCertificate.
bool hasExtraTrustedCa();

// Verifies a server's certificate chain against the system's root store plus the extra
// CA bundle, and its name against the host. Empty when it is trusted, else why not, as
// a phrase ("certificate has expired").
std::string verifyServerCertificate(PCCERT_CONTEXT certificate, const std::wstring& host);

} // namespace netcomp::http
