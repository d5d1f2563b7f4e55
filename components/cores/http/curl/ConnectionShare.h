#pragma once

typedef void CURLSH;

namespace netcomp::http {

// The connections and TLS sessions every transfer of the process may reuse, so that the
// probe's connection serves the first load and each component does not open its own.
// One for the process where the program shares it between its cores, else one per core.
// It lives while some transfer object uses it: the last one to go closes the
// connections, so no socket outlives the components.
class ConnectionShareUse {
public:
    ConnectionShareUse();
    ~ConnectionShareUse();
    ConnectionShareUse(const ConnectionShareUse&) = delete;
    ConnectionShareUse& operator=(const ConnectionShareUse&) = delete;

    // Null only when libcurl could not allocate it: the transfers then keep their own
    // connections.
    CURLSH* share() const { return m_share; }

private:
    CURLSH* m_share;
};

} // namespace netcomp::http
