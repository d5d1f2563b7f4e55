#include "retrieval/SampleComponents.h"

#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetJSON.h"
#include "components/wrappers/TnetREST.h"

void configureSampleComponents(const SampleComponents& c)
{
    c.netJSON1.setOverwrite(true);
    c.netREST1.setSSLCertStore(u"MY");
    c.netREST2.setBuildDOM(false);
    c.netREST2.setSSLCertStore(u"MY");
    c.netJSON2.setOverwrite(true);
    c.netHTTP.setAllowHTTPCompression(true);
    c.netHTTP.setSSLCertStore(u"MY");
}
