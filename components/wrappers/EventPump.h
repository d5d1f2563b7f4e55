#pragma once

#include <functional>

// While a transfer waits, the HTTP and REST components call the installed pump at
// most 20 ms apart, so the application can keep handling its own events.
namespace netcomp {

void setEventPump(std::function<void()> pump);
void pumpEvents();

} // namespace netcomp
