#pragma once

// Counts the certificate files this process opens (".pem" and ".crt" files and the files
// of /etc/ssl/certs) by standing in for fopen, which OpenSSL reads them with. Works
// only in a program whose symbols are exported, so that the libraries bind to it.
#ifdef __cplusplus
extern "C" {
#endif

int quorviBenchCertificateFileOpens(void);

#ifdef __cplusplus
}
#endif
