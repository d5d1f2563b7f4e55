#include "EntryPoints.h"
#include "ResponseBodyParser.h"
#include "TransferCore.h"

namespace netcomp::rest {

namespace {

http::TransferIds restIds()
{
    http::TransferIds ids;
    ids.followRedirects = NETCOMP_REST_PROP_FOLLOW_REDIRECTS;
    ids.localFile = NETCOMP_REST_PROP_LOCAL_FILE;
    ids.sslCertStore = NETCOMP_REST_PROP_SSL_CERT_STORE;
    ids.statusLine = NETCOMP_REST_PROP_STATUS_LINE;
    ids.timeout = NETCOMP_REST_PROP_TIMEOUT;
    ids.transferredData = NETCOMP_REST_PROP_TRANSFERRED_DATA;
    ids.configMethod = NETCOMP_REST_METHOD_CONFIG;
    ids.getMethod = NETCOMP_REST_METHOD_GET;
    ids.headMethod = NETCOMP_REST_METHOD_HEAD;
    ids.interruptMethod = NETCOMP_REST_METHOD_INTERRUPT;
    return ids;
}

} // namespace

// The REST class: an HTTP client that keeps the body and checks JSON and XML bodies.
class RestCore final : public http::TransferCore {
public:
    RestCore(netcomp_event_sink sink, void* context) : TransferCore(sink, context, restIds()) {}

    netcomp_value getProperty(int32_t id, int32_t index, int32_t* length) override
    {
        if (id == NETCOMP_REST_PROP_BUILD_DOM)
            return m_buildDom ? 1 : 0;
        return TransferCore::getProperty(id, index, length);
    }

    void setProperty(int32_t id, int32_t index, netcomp_value value, int32_t length) override
    {
        if (id == NETCOMP_REST_PROP_BUILD_DOM)
            m_buildDom = value != 0;
        else
            TransferCore::setProperty(id, index, value, length);
    }

    void invoke(int32_t id, int32_t argCount, netcomp_value* args, netcomp_value* lengths) override
    {
        if (id < NETCOMP_ID_FILENAME && plainId(id) == NETCOMP_REST_METHOD_RESET) {
            requireArgs(argCount, 0);
            requireIdle();
            dropAnswer();
        } else {
            TransferCore::invoke(id, argCount, args, lengths);
        }
    }

protected:
    void afterGet(const http::TransferResult& result) override
    {
        parseResponseBody(result.contentType, result.body, codePage());
    }

private:
    bool m_buildDom = true;
};

} // namespace netcomp::rest

NETCOMP_DEFINE_ENTRY_POINTS(NetComp_REST_, netcomp::rest::RestCore)
