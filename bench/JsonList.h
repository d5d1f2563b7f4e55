#pragma once

#include <sstream>
#include <string>
#include <vector>

// A JSON array of numbers, for the benchmark programs that print their samples.
template <class Number> std::string jsonList(const std::vector<Number>& values)
{
    std::ostringstream out;
    out << '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        out << (i ? ", " : "") << values[i];
    }
    out << ']';
    return out.str();
}
