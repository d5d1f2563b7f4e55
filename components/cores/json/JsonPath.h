#pragma once

#include "components/cores/json/JsonDocument.h"

#include <optional>
#include <string_view>

namespace netcomp::json {

// Selects a node by path: steps separated by "/" (empty steps skipped), each a name
// (compared without regard to ASCII case), "*", a name or "*" followed by "[n]",
// "[last()]" or "[last()-k]", a position alone ("[n]", counting from 1), "." or "..".
// A path beginning with "/", or any path while current is empty, starts above the root,
// so its first step must name the root ("json"); any other path starts at current.
// Returns the node reached, or nothing when a step selects nothing or is malformed.
std::optional<JsonDocument::NodeId> selectPath(const JsonDocument& doc,
                                               std::optional<JsonDocument::NodeId> current,
                                               std::string_view path);

} // namespace netcomp::json
