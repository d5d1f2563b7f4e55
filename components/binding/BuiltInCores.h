#pragma once

namespace netcomp::binding {

// The address of an entry point of a core built into the program ("NetComp_JSON_Get"),
// or null when the program has no such function.
void* builtInEntryPoint(const char* name);

// Whether the program carries the core of that prefix ("NetComp_JSON_").
bool hasBuiltInCore(const char* prefix);

} // namespace netcomp::binding
