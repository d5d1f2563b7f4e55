#pragma once

typedef void CURLSH;

namespace netcomp::http {

// The connections and TLS sessions every transfer of the process may reuse, so that the
// probe's connection serves the first load and each component does not open its own.
// One per process where the program shares it between its cores, else one per core;
// never freed. Null only when libcurl could not allocate it (each transfer then keeps
// its own connections).
CURLSH* sharedConnections();

} // namespace netcomp::http
