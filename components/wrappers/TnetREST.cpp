#include "TnetREST.h"

#include "CoreClass.h"

TnetREST::TnetREST() : TnetComponent(netcomp::binding::restCoreClass()) {}
TnetREST::~TnetREST() = default;

bool TnetREST::BuildDOM() const { return getBool(NETCOMP_REST_PROP_BUILD_DOM); }
void TnetREST::setBuildDOM(bool value) { setBool(NETCOMP_REST_PROP_BUILD_DOM, value); }
int32_t TnetREST::FollowRedirects() const { return getInt(NETCOMP_REST_PROP_FOLLOW_REDIRECTS); }
void TnetREST::setFollowRedirects(int32_t value)
{
    setInt(NETCOMP_REST_PROP_FOLLOW_REDIRECTS, value);
}
std::u16string TnetREST::LocalFile() const { return getFileName(NETCOMP_REST_PROP_LOCAL_FILE); }
void TnetREST::setLocalFile(std::u16string_view fileName)
{
    setFileName(NETCOMP_REST_PROP_LOCAL_FILE, fileName);
}
std::u16string TnetREST::SSLCertStore() const
{
    return getTextWithLength(NETCOMP_REST_PROP_SSL_CERT_STORE);
}
void TnetREST::setSSLCertStore(std::u16string_view value)
{
    setTextWithLength(NETCOMP_REST_PROP_SSL_CERT_STORE, value);
}
std::u16string TnetREST::StatusLine() const { return getText(NETCOMP_REST_PROP_STATUS_LINE); }
int32_t TnetREST::Timeout() const { return getInt(NETCOMP_REST_PROP_TIMEOUT); }
void TnetREST::setTimeout(int32_t seconds) { setInt(NETCOMP_REST_PROP_TIMEOUT, seconds); }
std::u16string TnetREST::TransferredData() const
{
    return getTextWithLength(NETCOMP_REST_PROP_TRANSFERRED_DATA);
}
std::string TnetREST::TransferredDataB() const
{
    return getBytes(NETCOMP_REST_PROP_TRANSFERRED_DATA);
}

std::u16string TnetREST::Config(std::u16string_view setting)
{
    return callText(NETCOMP_REST_METHOD_CONFIG, setting);
}
void TnetREST::Get(std::u16string_view url) { call(NETCOMP_REST_METHOD_GET, url); }
void TnetREST::Head(std::u16string_view url) { call(NETCOMP_REST_METHOD_HEAD, url); }
void TnetREST::Interrupt() { call(NETCOMP_REST_METHOD_INTERRUPT); }
void TnetREST::Reset() { call(NETCOMP_REST_METHOD_RESET); }

bool TnetREST::eventFired(int32_t eventId, int32_t count, intptr_t* params, intptr_t* lengths)
{
    return fired(eventId, count, params, lengths);
}

void TnetREST::eventFiredUtf16(int32_t eventId, int32_t count, intptr_t* params,
                               intptr_t* lengths)
{
    firedUtf16(*this, eventId, count, params, lengths);
}
