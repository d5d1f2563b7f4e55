#include "components/wrappers/TnetHTTP.h"

#include "components/binding/CoreClass.h"

TnetHTTP::TnetHTTP() : TnetTransfer(netcomp::binding::httpCoreClass(), netcomp::kHttpClassIds)
{
}

bool TnetHTTP::AllowHTTPCompression() const
{
    return getBool(ids().allowCompression);
}
void TnetHTTP::setAllowHTTPCompression(bool value)
{
    setBool(ids().allowCompression, value);
}
