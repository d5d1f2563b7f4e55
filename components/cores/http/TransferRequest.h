#pragma once

#include <string>

namespace netcomp::http {

enum class Method { Head, Get };

struct TransferSettings {
    bool allowCompression = false;
    int timeoutSeconds = 60;
    // When set (a file name as bytes), the body of a successful GET is also written there.
    std::string localFile;
};

} // namespace netcomp::http
