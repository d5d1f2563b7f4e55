#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Parameter records of the component events.

struct TnetHeaderEventParams {
    std::u16string field;
    std::u16string value;
};

struct TnetStatusEventParams {
    std::u16string httpVersion;
    int32_t statusCode = 0;
    std::u16string description;
};

struct TnetTransferEventParams {
    int64_t bytesTransferred = 0;
    std::string text; // the chunk's bytes as received
};

struct TnetSSLServerAuthenticationEventParams {
    std::string certEncoded; // DER bytes of the server certificate
    std::u16string status;   // the verification result
    bool accept = true;      // informative only: a failed verification is never accepted
};

struct TnetJSONTextEventParams {
    std::u16string text;
};

struct TnetJSONElementEventParams {
    std::u16string element;
};

struct TnetJSONErrorEventParams {
    int32_t errorCode = 0;
    std::u16string description;
};
