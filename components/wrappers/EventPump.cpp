#include "components/wrappers/EventPump.h"

namespace netcomp {
namespace {

std::function<void()>& installedPump()
{
    static std::function<void()> pump;
    return pump;
}

} // namespace

void setEventPump(std::function<void()> pump)
{
    installedPump() = std::move(pump);
}

void pumpEvents()
{
    // A copy, so a pump that installs another one does not destroy itself while running.
    if (auto pump = installedPump()) {
        pump();
    }
}

} // namespace netcomp
