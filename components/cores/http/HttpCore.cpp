#include "EntryPoints.h"
#include "TransferCore.h"

namespace netcomp::http {

namespace {

TransferIds httpIds()
{
    TransferIds ids;
    ids.allowCompression = NETCOMP_HTTP_PROP_ALLOW_HTTP_COMPRESSION;
    ids.followRedirects = NETCOMP_HTTP_PROP_FOLLOW_REDIRECTS;
    ids.localFile = NETCOMP_HTTP_PROP_LOCAL_FILE;
    ids.sslCertStore = NETCOMP_HTTP_PROP_SSL_CERT_STORE;
    ids.statusLine = NETCOMP_HTTP_PROP_STATUS_LINE;
    ids.timeout = NETCOMP_HTTP_PROP_TIMEOUT;
    ids.transferredData = NETCOMP_HTTP_PROP_TRANSFERRED_DATA;
    ids.configMethod = NETCOMP_HTTP_METHOD_CONFIG;
    ids.getMethod = NETCOMP_HTTP_METHOD_GET;
    ids.headMethod = NETCOMP_HTTP_METHOD_HEAD;
    ids.interruptMethod = NETCOMP_HTTP_METHOD_INTERRUPT;
    return ids;
}

} // namespace

class HttpCore final : public TransferCore {
public:
    HttpCore(netcomp_event_sink sink, void* context) : TransferCore(sink, context, httpIds()) {}
};

} // namespace netcomp::http

NETCOMP_DEFINE_ENTRY_POINTS(NetComp_HTTP_, netcomp::http::HttpCore)
