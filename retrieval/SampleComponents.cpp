#include "SampleComponents.h"

#include "TnetHTTP.h"
#include "TnetJSON.h"
#include "TnetREST.h"

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
