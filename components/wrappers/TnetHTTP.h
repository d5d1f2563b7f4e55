#pragma once

#include "components/wrappers/TnetTransfer.h"

// HTTP client component: HEAD and GET over HTTPS. Raises ENetCore on every failure,
// including a final status outside 200 to 299 (code 151).
class TnetHTTP : public TnetTransfer<TnetHTTP> {
public:
    TnetHTTP();

    bool AllowHTTPCompression() const;
    void setAllowHTTPCompression(bool value);
};
