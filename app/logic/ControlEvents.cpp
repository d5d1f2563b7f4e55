#include "app/logic/ControlEvents.h"

#include <algorithm>

namespace {

using H = WindowHandlers;

constexpr ControlEvents kTable[] = {
    {.name = "LoadCodeData", .click = &H::LoadCodeDataClick},
    {.name = "process", .click = &H::processClick},
    {.name = "ParameterComboBox",
     .change = &H::ParameterComboBoxChange,
     .dropDown = &H::ParameterComboBoxDropDown},
    {.name = "PrefixComboBox", .change = &H::PrefixComboBoxChange},
    {.name = "valueEdit", .click = &H::valueEditClick, .change = &H::valueEditChange},
    {.name = "Unit", .click = &H::UnitClick, .change = &H::UnitChange},
    {.name = "Impressum", .click = &H::ImpressumClick},
    {.name = "Kundendienst", .click = &H::KundendienstClick},
};

constexpr ControlEvents kNone{};

} // namespace

std::span<const ControlEvents> controlEvents()
{
    return kTable;
}

const ControlEvents& eventsOf(std::string_view name)
{
    const auto found = std::ranges::find(kTable, name, &ControlEvents::name);
    return found == std::end(kTable) ? kNone : *found;
}
