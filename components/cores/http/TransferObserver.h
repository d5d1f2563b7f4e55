#pragma once

#include <cstdint>
#include <string_view>

namespace netcomp::http {

// What a session reports while a transfer runs. Every call comes from the transfer's
// own loop, never from inside libcurl, so an implementation may start other transfers
// (a busy session refuses them) or ask for an interrupt.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;

    // Called at most 20 ms apart while the transfer waits.
    virtual void onDoEvents() {}
    virtual void onStatus(std::string_view /*version*/, int /*code*/, std::string_view /*reason*/)
    {
    }
    virtual void onHeader(std::string_view /*field*/, std::string_view /*value*/) {}
    virtual void onTransfer(int64_t /*bytesSoFar*/, std::string_view /*chunk*/) {}
};

} // namespace netcomp::http
