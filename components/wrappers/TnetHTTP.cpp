#include "TnetHTTP.h"

#include "CoreClass.h"

TnetHTTP::TnetHTTP() : TnetComponent(netcomp::binding::httpCoreClass()) {}
TnetHTTP::~TnetHTTP() = default;

bool TnetHTTP::AllowHTTPCompression() const
{
    return getBool(NETCOMP_HTTP_PROP_ALLOW_HTTP_COMPRESSION);
}
void TnetHTTP::setAllowHTTPCompression(bool value)
{
    setBool(NETCOMP_HTTP_PROP_ALLOW_HTTP_COMPRESSION, value);
}
int32_t TnetHTTP::FollowRedirects() const { return getInt(NETCOMP_HTTP_PROP_FOLLOW_REDIRECTS); }
void TnetHTTP::setFollowRedirects(int32_t value)
{
    setInt(NETCOMP_HTTP_PROP_FOLLOW_REDIRECTS, value);
}
std::u16string TnetHTTP::LocalFile() const { return getFileName(NETCOMP_HTTP_PROP_LOCAL_FILE); }
void TnetHTTP::setLocalFile(std::u16string_view fileName)
{
    setFileName(NETCOMP_HTTP_PROP_LOCAL_FILE, fileName);
}
std::u16string TnetHTTP::SSLCertStore() const
{
    return getTextWithLength(NETCOMP_HTTP_PROP_SSL_CERT_STORE);
}
void TnetHTTP::setSSLCertStore(std::u16string_view value)
{
    setTextWithLength(NETCOMP_HTTP_PROP_SSL_CERT_STORE, value);
}
std::u16string TnetHTTP::StatusLine() const { return getText(NETCOMP_HTTP_PROP_STATUS_LINE); }
int32_t TnetHTTP::Timeout() const { return getInt(NETCOMP_HTTP_PROP_TIMEOUT); }
void TnetHTTP::setTimeout(int32_t seconds) { setInt(NETCOMP_HTTP_PROP_TIMEOUT, seconds); }
std::u16string TnetHTTP::TransferredData() const
{
    return getTextWithLength(NETCOMP_HTTP_PROP_TRANSFERRED_DATA);
}
std::string TnetHTTP::TransferredDataB() const
{
    return getBytes(NETCOMP_HTTP_PROP_TRANSFERRED_DATA);
}

std::u16string TnetHTTP::Config(std::u16string_view setting)
{
    return callText(NETCOMP_HTTP_METHOD_CONFIG, setting);
}
void TnetHTTP::Get(std::u16string_view url) { call(NETCOMP_HTTP_METHOD_GET, url); }
void TnetHTTP::Head(std::u16string_view url) { call(NETCOMP_HTTP_METHOD_HEAD, url); }
void TnetHTTP::Interrupt() { call(NETCOMP_HTTP_METHOD_INTERRUPT); }

bool TnetHTTP::eventFired(int32_t eventId, int32_t count, intptr_t* params, intptr_t* lengths)
{
    return fired(eventId, count, params, lengths);
}

void TnetHTTP::eventFiredUtf16(int32_t eventId, int32_t count, intptr_t* params,
                               intptr_t* lengths)
{
    firedUtf16(*this, eventId, count, params, lengths);
}
