#include "components/wrappers/TransferComponent.h"

int32_t TransferComponent::FollowRedirects() const
{
    return getInt(m_ids.followRedirects);
}
void TransferComponent::setFollowRedirects(int32_t value)
{
    setInt(m_ids.followRedirects, value);
}
std::u16string TransferComponent::LocalFile() const
{
    return getFileName(m_ids.localFile);
}
void TransferComponent::setLocalFile(std::u16string_view fileName)
{
    setFileName(m_ids.localFile, fileName);
}
std::u16string TransferComponent::SSLCertStore() const
{
    return getTextWithLength(m_ids.sslCertStore);
}
void TransferComponent::setSSLCertStore(std::u16string_view value)
{
    setTextWithLength(m_ids.sslCertStore, value);
}
std::u16string TransferComponent::StatusLine() const
{
    return getText(m_ids.statusLine);
}
int32_t TransferComponent::Timeout() const
{
    return getInt(m_ids.timeout);
}
void TransferComponent::setTimeout(int32_t seconds)
{
    setInt(m_ids.timeout, seconds);
}
std::u16string TransferComponent::TransferredData() const
{
    return getTextWithLength(m_ids.transferredData);
}
std::string TransferComponent::TransferredDataB() const
{
    return getBytes(m_ids.transferredData);
}

std::u16string TransferComponent::Config(std::u16string_view setting)
{
    return callText(m_ids.configMethod, setting);
}
void TransferComponent::Get(std::u16string_view url)
{
    call(m_ids.getMethod, url);
}
void TransferComponent::Head(std::u16string_view url)
{
    call(m_ids.headMethod, url);
}
void TransferComponent::Interrupt()
{
    call(m_ids.interruptMethod);
}
