#pragma once

#include "components/cores/netcomp_api.h"

#include <cstdint>

namespace netcomp {

// The property and method ids of a transfer class, written once for its core, its wrapper
// and their tests. -1 where the class lacks the member. Both classes share the events.
struct TransferClassIds {
    int32_t allowCompression = -1;
    int32_t buildDom = -1;
    int32_t followRedirects = -1;
    int32_t localFile = -1;
    int32_t sslCertStore = -1;
    int32_t statusLine = -1;
    int32_t timeout = -1;
    int32_t transferredData = -1;
    int32_t configMethod = -1;
    int32_t getMethod = -1;
    int32_t headMethod = -1;
    int32_t interruptMethod = -1;
    int32_t resetMethod = -1;
};

inline constexpr TransferClassIds kHttpClassIds{
    .allowCompression = NETCOMP_HTTP_PROP_ALLOW_HTTP_COMPRESSION,
    .followRedirects = NETCOMP_HTTP_PROP_FOLLOW_REDIRECTS,
    .localFile = NETCOMP_HTTP_PROP_LOCAL_FILE,
    .sslCertStore = NETCOMP_HTTP_PROP_SSL_CERT_STORE,
    .statusLine = NETCOMP_HTTP_PROP_STATUS_LINE,
    .timeout = NETCOMP_HTTP_PROP_TIMEOUT,
    .transferredData = NETCOMP_HTTP_PROP_TRANSFERRED_DATA,
    .configMethod = NETCOMP_HTTP_METHOD_CONFIG,
    .getMethod = NETCOMP_HTTP_METHOD_GET,
    .headMethod = NETCOMP_HTTP_METHOD_HEAD,
    .interruptMethod = NETCOMP_HTTP_METHOD_INTERRUPT,
};

inline constexpr TransferClassIds kRestClassIds{
    .buildDom = NETCOMP_REST_PROP_BUILD_DOM,
    .followRedirects = NETCOMP_REST_PROP_FOLLOW_REDIRECTS,
    .localFile = NETCOMP_REST_PROP_LOCAL_FILE,
    .sslCertStore = NETCOMP_REST_PROP_SSL_CERT_STORE,
    .statusLine = NETCOMP_REST_PROP_STATUS_LINE,
    .timeout = NETCOMP_REST_PROP_TIMEOUT,
    .transferredData = NETCOMP_REST_PROP_TRANSFERRED_DATA,
    .configMethod = NETCOMP_REST_METHOD_CONFIG,
    .getMethod = NETCOMP_REST_METHOD_GET,
    .headMethod = NETCOMP_REST_METHOD_HEAD,
    .interruptMethod = NETCOMP_REST_METHOD_INTERRUPT,
    .resetMethod = NETCOMP_REST_METHOD_RESET,
};

} // namespace netcomp
