#pragma once

#include "components/cores/TransferClassIds.h"
#include "components/cores/common/CoreObject.h"

// The transport: WinHTTP on Windows, libcurl elsewhere, behind the same HttpSession.
#ifdef _WIN32
#include "components/cores/http/winhttp/HttpSession.h"
#else
#include "components/cores/http/curl/HttpSession.h"
#endif

#include <cstdint>
#include <string>

namespace netcomp::http {

// The core object of the HTTP and REST classes: transfer settings, the last answer
// and the events, over one HttpSession. Events share the HTTP numbering.
class TransferCore : public core::CoreObject, private TransferObserver {
public:
    TransferCore(netcomp_event_sink sink, void* context, const TransferClassIds& ids);

    netcomp_value getProperty(int32_t id, int32_t index, int32_t* length) override;
    void setProperty(int32_t id, int32_t index, netcomp_value value, int32_t length) override;
    void invoke(int32_t id, int32_t argCount, netcomp_value* args, netcomp_value* lengths) override;

protected:
    // Runs after a successful GET, before it returns; may throw CoreError.
    virtual void afterGet(const TransferResult& result);

    // Throws NETCOMP_ERR_BUSY while a transfer runs.
    void requireIdle() const;
    // Forgets the last answer and the local file name; keeps every other setting.
    void dropAnswer();

private:
    void transfer(Method method, int32_t id, int32_t argCount, netcomp_value* args,
                  netcomp_value* lengths);

    void stopRunningCall() override;
    void onDoEvents() override;
    void onStatus(std::string_view version, int code, std::string_view reason) override;
    void onHeader(std::string_view field, std::string_view value) override;
    void onTransfer(int64_t bytesSoFar, std::string_view chunk) override;

    TransferClassIds m_ids;
    HttpSession m_session;
    TransferSettings m_settings;
    std::string m_sslCertStore;
};

} // namespace netcomp::http
