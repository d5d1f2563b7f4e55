#pragma once

#include "TnetComponent.h"
#include "TransferEvents.h"

// REST client component: like TnetHTTP, and keeps the response body. After a
// successful Get it parses a JSON or XML body and raises the parser's error on a bad one.
class TnetREST : public TnetComponent, public TransferEvents<TnetREST> {
public:
    TnetREST();
    ~TnetREST() override;

    bool BuildDOM() const;
    void setBuildDOM(bool value);
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
    void Reset();

protected:
    bool eventFired(int32_t eventId, int32_t count, intptr_t* params, intptr_t* lengths) override;
    void eventFiredUtf16(int32_t eventId, int32_t count, intptr_t* params,
                         intptr_t* lengths) override;
};
