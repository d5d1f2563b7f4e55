#pragma once

#include "components/cores/netcomp_api.h"
#include "components/wrappers/EventParams.h"
#include "components/wrappers/EventPump.h"
#include "components/wrappers/TnetEvents.h"
#include "components/wrappers/TransferComponent.h"

#include <functional>

// A transfer class with its events, delivered with the class itself as the sender.
template <class Sender> class TnetTransfer : public TransferComponent {
public:
    std::function<void(Sender&)> OnDoEvents;
    std::function<void(Sender&, const TnetHeaderEventParams&)> OnHeader;
    std::function<void(Sender&, TnetSSLServerAuthenticationEventParams&)> OnSSLServerAuthentication;
    std::function<void(Sender&, const TnetStatusEventParams&)> OnStatus;
    std::function<void(Sender&, const TnetTransferEventParams&)> OnTransfer;

protected:
    using TransferComponent::TransferComponent;

    bool eventFired(int32_t eventId, int32_t count, intptr_t* params, intptr_t* lengths) override
    {
        using namespace netcomp::events;
        switch (eventId) {
        case NETCOMP_HTTP_EVENT_ON_DO_EVENTS: {
            // What the pump runs may free this component (its window closed): nothing of it
            // is read once the pump has run.
            const bool handled = static_cast<bool>(OnDoEvents);
            netcomp::pumpEvents();
            return handled;
        }
        case NETCOMP_HTTP_EVENT_ON_HEADER:
            return static_cast<bool>(OnHeader);
        case NETCOMP_HTTP_EVENT_ON_SSL_SERVER_AUTHENTICATION:
            if (!OnSSLServerAuthentication) {
                return false;
            }
            sslServerAuthenticationBytes = count > 0 ? bytes(params, lengths, 0) : std::string();
            return true;
        case NETCOMP_HTTP_EVENT_ON_STATUS:
            return static_cast<bool>(OnStatus);
        case NETCOMP_HTTP_EVENT_ON_TRANSFER:
            if (!OnTransfer) {
                return false;
            }
            transferBytes = count > 1 ? bytes(params, lengths, 1) : std::string();
            return true;
        default:
            return false;
        }
    }

    void eventFiredUtf16(int32_t eventId, int32_t count, intptr_t* params,
                         intptr_t* lengths) override
    {
        using namespace netcomp::events;
        auto& sender = static_cast<Sender&>(*this);
        switch (eventId) {
        case NETCOMP_HTTP_EVENT_ON_DO_EVENTS:
            if (OnDoEvents) {
                OnDoEvents(sender);
            }
            break;
        case NETCOMP_HTTP_EVENT_ON_HEADER:
            if (OnHeader && count >= 2) {
                OnHeader(sender, {text(params, lengths, 0), text(params, lengths, 1)});
            }
            break;
        case NETCOMP_HTTP_EVENT_ON_SSL_SERVER_AUTHENTICATION:
            if (OnSSLServerAuthentication && count >= 3) {
                TnetSSLServerAuthenticationEventParams record{
                    sslServerAuthenticationBytes, text(params, lengths, 1), params[2] != 0};
                OnSSLServerAuthentication(sender, record);
                params[2] = record.accept ? 1 : 0;
            }
            break;
        case NETCOMP_HTTP_EVENT_ON_STATUS:
            if (OnStatus && count >= 3) {
                OnStatus(sender, {text(params, lengths, 0), static_cast<int32_t>(params[1]),
                                  text(params, lengths, 2)});
            }
            break;
        case NETCOMP_HTTP_EVENT_ON_TRANSFER:
            if (OnTransfer && count >= 2) {
                OnTransfer(sender, {static_cast<int64_t>(params[0]), transferBytes});
            }
            break;
        default:
            break;
        }
    }

private:
    // The byte-valued parameters are kept from the first firing.
    std::string sslServerAuthenticationBytes;
    std::string transferBytes;
};
