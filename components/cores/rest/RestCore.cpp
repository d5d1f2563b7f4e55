#include "components/cores/common/EntryPoints.h"
#include "components/cores/http/TransferCore.h"
#include "components/cores/rest/ResponseBodyParser.h"

namespace netcomp::rest {

// The REST class: an HTTP client that keeps the body and checks JSON and XML bodies.
class RestCore final : public http::TransferCore {
public:
    RestCore(netcomp_event_sink sink, void* context) : TransferCore(sink, context, kRestClassIds) {}

    netcomp_value getProperty(int32_t id, int32_t index, int32_t* length) override
    {
        if (id == kRestClassIds.buildDom) {
            return m_buildDom ? 1 : 0;
        }
        return TransferCore::getProperty(id, index, length);
    }

    void setProperty(int32_t id, int32_t index, netcomp_value value, int32_t length) override
    {
        if (id == kRestClassIds.buildDom) {
            m_buildDom = value != 0;
        } else {
            TransferCore::setProperty(id, index, value, length);
        }
    }

    void invoke(int32_t id, int32_t argCount, netcomp_value* args, netcomp_value* lengths) override
    {
        if (id < NETCOMP_ID_FILENAME && plainId(id) == kRestClassIds.resetMethod) {
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
