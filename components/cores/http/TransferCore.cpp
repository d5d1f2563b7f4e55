#include "components/cores/http/TransferCore.h"

#include <limits>

namespace netcomp::http {

namespace {

constexpr int32_t kMaxTimeoutSeconds = std::numeric_limits<int32_t>::max() / 1000;

bool is(int32_t id, int32_t member)
{
    return member >= 0 && id == member;
}

} // namespace

TransferCore::TransferCore(netcomp_event_sink sink, void* context, const TransferClassIds& ids)
    : CoreObject(sink, context), m_ids(ids), m_session(*this)
{
}

netcomp_value TransferCore::getProperty(int32_t id, int32_t, int32_t* length)
{
    const int32_t plain = plainId(id);
    if (is(id, m_ids.allowCompression)) {
        return m_settings.allowCompression ? 1 : 0;
    }
    if (is(id, m_ids.followRedirects)) {
        return 0;
    }
    if (is(id, m_ids.timeout)) {
        return m_settings.timeoutSeconds;
    }
    if (is(plain, m_ids.localFile)) {
        return returnText(id, m_settings.localFile, length);
    }
    if (id < NETCOMP_ID_FILENAME) {
        if (is(plain, m_ids.sslCertStore)) {
            return returnText(id, m_sslCertStore, length);
        }
        if (is(plain, m_ids.statusLine)) {
            return returnText(id, m_session.result().statusLine, length);
        }
        if (is(plain, m_ids.transferredData)) {
            return returnText(id, m_session.result().body, length);
        }
    }
    unknownProperty(id);
}

void TransferCore::setProperty(int32_t id, int32_t, netcomp_value value, int32_t length)
{
    const int32_t plain = plainId(id);
    if (is(id, m_ids.allowCompression)) {
        m_settings.allowCompression = value != 0;
    } else if (is(id, m_ids.followRedirects)) {
        if (value != 0) {
            throw core::CoreError(NETCOMP_ERR_INVALID_VALUE,
                                  "Redirects are never followed: FollowRedirects must be 0.");
        }
    } else if (is(id, m_ids.timeout)) {
        if (value < 1 || value > kMaxTimeoutSeconds) {
            throw core::CoreError(NETCOMP_ERR_INVALID_VALUE,
                                  "Timeout must be between 1 and " +
                                      std::to_string(kMaxTimeoutSeconds) + " seconds.");
        }
        m_settings.timeoutSeconds = static_cast<int>(value);
    } else if (is(plain, m_ids.localFile)) {
        m_settings.localFile = textArgument(id, value, length);
    } else if (id < NETCOMP_ID_FILENAME && is(plain, m_ids.sslCertStore)) {
        m_sslCertStore = textArgument(id, value, length);
    } else if (id < NETCOMP_ID_FILENAME &&
               (is(plain, m_ids.statusLine) || is(plain, m_ids.transferredData))) {
        readOnly(id);
    } else {
        unknownProperty(id);
    }
}

void TransferCore::invoke(int32_t id, int32_t argCount, netcomp_value* args, netcomp_value* lengths)
{
    const int32_t plain = id < NETCOMP_ID_FILENAME ? plainId(id) : -1;
    if (is(plain, m_ids.configMethod)) {
        requireArgs(argCount, 1);
        const std::string answer = config(textArgument(id, args[0], lengths[0]));
        args[1] = returnMethodText(id, answer, &lengths[1]);
    } else if (is(plain, m_ids.headMethod)) {
        transfer(Method::Head, id, argCount, args, lengths);
    } else if (is(plain, m_ids.getMethod)) {
        transfer(Method::Get, id, argCount, args, lengths);
    } else if (is(plain, m_ids.interruptMethod)) {
        requireArgs(argCount, 0);
        m_session.interrupt();
    } else {
        unknownMethod(id);
    }
}

void TransferCore::afterGet(const TransferResult&)
{
}

void TransferCore::requireIdle() const
{
    if (m_session.busy()) {
        throw core::failure(NETCOMP_ERR_BUSY);
    }
}

void TransferCore::dropAnswer()
{
    m_session.clearResult();
    m_settings.localFile.clear();
}

void TransferCore::transfer(Method method, int32_t id, int32_t argCount, netcomp_value* args,
                            netcomp_value* lengths)
{
    requireArgs(argCount, 1);
    requireIdle();
    const std::string url = textArgument(id, args[0], lengths[0]);
    // Settings changed by an event handler apply to the next transfer.
    const TransferSettings settings = m_settings;
    m_session.perform(method, url, settings);
    if (method == Method::Get) {
        afterGet(m_session.result());
    }
}

void TransferCore::stopRunningCall()
{
    m_session.interrupt();
}

void TransferCore::onDoEvents()
{
    std::vector<core::EventParam> params;
    fire(NETCOMP_HTTP_EVENT_ON_DO_EVENTS, params);
}

void TransferCore::onStatus(std::string_view version, int code, std::string_view reason)
{
    std::vector<core::EventParam> params{core::EventParam::text(std::string(version)),
                                         core::EventParam::number(code),
                                         core::EventParam::text(std::string(reason))};
    fire(NETCOMP_HTTP_EVENT_ON_STATUS, params);
}

void TransferCore::onHeader(std::string_view field, std::string_view value)
{
    std::vector<core::EventParam> params{core::EventParam::text(std::string(field)),
                                         core::EventParam::text(std::string(value))};
    fire(NETCOMP_HTTP_EVENT_ON_HEADER, params);
}

void TransferCore::onTransfer(int64_t bytesSoFar, std::string_view chunk)
{
    std::vector<core::EventParam> params{core::EventParam::number(bytesSoFar),
                                         core::EventParam::data(std::string(chunk))};
    fire(NETCOMP_HTTP_EVENT_ON_TRANSFER, params);
}

} // namespace netcomp::http
