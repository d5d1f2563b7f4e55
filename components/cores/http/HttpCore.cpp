#include "components/cores/common/EntryPoints.h"
#include "components/cores/http/TransferCore.h"

namespace netcomp::http {

class HttpCore final : public TransferCore {
public:
    HttpCore(netcomp_event_sink sink, void* context) : TransferCore(sink, context, kHttpClassIds) {}
};

} // namespace netcomp::http

NETCOMP_DEFINE_ENTRY_POINTS(NetComp_HTTP_, netcomp::http::HttpCore)
