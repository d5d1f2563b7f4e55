#pragma once

#include "components/cores/json/ParseSettings.h"

#include <cstddef>
#include <string_view>

// The interpreter document's settings, without the component's bounds: the engine's
// throughput is measured also on documents far larger than a load may bring.
netcomp::json::ParseSettings unboundedSettings();

// One parse of text into a tree, by our JSON engine (with the interpreter document's
// settings: quotes stripped, escapes decoded, UTF-8) and by RapidJSON's DOM parser.
// Both return the number of top-level children, so the tree cannot be optimised away;
// both throw on input they reject.
std::size_t parseWithEngine(std::string_view text);
std::size_t parseWithRapidJson(std::string_view text);
