#pragma once

#include <string_view>

namespace netcomp::binding {

// How often the value of a key offered to the cores through netcomp_process_shared has
// been made in this process: at most once.
int processSharedMakes(std::string_view key);

} // namespace netcomp::binding
