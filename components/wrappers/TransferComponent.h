#pragma once

#include "components/cores/TransferClassIds.h"
#include "components/wrappers/TnetComponent.h"

// The members TnetHTTP and TnetREST share, reached through the class's own ids.
class TransferComponent : public TnetComponent {
public:
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
    TransferComponent(netcomp::binding::CoreClass& coreClass, const netcomp::TransferClassIds& ids)
        : TnetComponent(coreClass), m_ids(ids)
    {
    }

    const netcomp::TransferClassIds& ids() const { return m_ids; }

private:
    netcomp::TransferClassIds m_ids;
};
