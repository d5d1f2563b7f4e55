#pragma once

#include <cstddef>

namespace netcomp::binding {

// A core library carried inside the program's own data.
struct CoreImage {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

CoreImage httpCoreImage();
CoreImage restCoreImage();
CoreImage jsonCoreImage();

} // namespace netcomp::binding
