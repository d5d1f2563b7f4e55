#pragma once

#include "TnetComponent.h"
#include "TransferEvents.h"

// HTTP client component: HEAD and GET over HTTPS. Raises ENetCore on every failure,
// including a final status outside 200 to 299 (code 151).
class TnetHTTP : public TnetComponent, public TransferEvents<TnetHTTP> {
public:
    TnetHTTP();
    ~TnetHTTP() override;

    bool AllowHTTPCompression() const;
    void setAllowHTTPCompression(bool value);
    int32_t FollowRedirects() const;
    void setFollowRedirects(int32_t value);
    std::u16string LocalFile() const;
    void setLocalFile(std::u16string_view fileName);
    std::u16string SSLCertStore() const;
    void setSSLCertStore(std::u16string_view value);
    std::u16string StatusLine() const;
    int32_t Timeout() const;
    void setTimeout(int32_t seconds);
    std::u16string TransferredData() const;
    std::string TransferredDataB() const;

    std::u16string Config(std::u16string_view setting);
    void Get(std::u16string_view url);
    void Head(std::u16string_view url);
    void Interrupt();

protected:
    bool eventFired(int32_t eventId, int32_t count, intptr_t* params, intptr_t* lengths) override;
    void eventFiredUtf16(int32_t eventId, int32_t count, intptr_t* params,
                         intptr_t* lengths) override;
};
