#include "components/binding/CoreImage.h"

// Symbols of the embedded images, laid down by EmbeddedCores.S.
extern "C" {
extern const unsigned char netcomp_image_http_begin[];
extern const unsigned char netcomp_image_http_end[];
extern const unsigned char netcomp_image_rest_begin[];
extern const unsigned char netcomp_image_rest_end[];
extern const unsigned char netcomp_image_json_begin[];
extern const unsigned char netcomp_image_json_end[];
}

namespace netcomp::binding {
namespace {

CoreImage image(const unsigned char* begin, const unsigned char* end)
{
    return {begin, static_cast<std::size_t>(end - begin)};
}

} // namespace

CoreImage httpCoreImage()
{
    return image(netcomp_image_http_begin, netcomp_image_http_end);
}
CoreImage restCoreImage()
{
    return image(netcomp_image_rest_begin, netcomp_image_rest_end);
}
CoreImage jsonCoreImage()
{
    return image(netcomp_image_json_begin, netcomp_image_json_end);
}

} // namespace netcomp::binding
