#pragma once

#include "components/wrappers/TnetTransfer.h"

// REST client component: like TnetHTTP, and keeps the response body. After a
// successful Get it parses a JSON or XML body and raises the parser's error on a bad one.
class TnetREST : public TnetTransfer<TnetREST> {
public:
    TnetREST();

    bool BuildDOM() const;
    void setBuildDOM(bool value);
    void Reset();
};
