#include "components/wrappers/TnetREST.h"

#include "components/binding/CoreClass.h"

TnetREST::TnetREST() : TnetTransfer(netcomp::binding::restCoreClass(), netcomp::kRestClassIds)
{
}

bool TnetREST::BuildDOM() const
{
    return getBool(ids().buildDom);
}
void TnetREST::setBuildDOM(bool value)
{
    setBool(ids().buildDom, value);
}
void TnetREST::Reset()
{
    call(ids().resetMethod);
}
