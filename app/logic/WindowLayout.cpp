#include "app/logic/WindowLayout.h"

#include "interpretation/InputChoices.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace layout {

namespace {

constexpr std::u16string_view kFetchedOnline = u"Diese Daten werden automatisch online abgerufen.";
constexpr std::u16string_view kNotYetLoaded = u"-wird automatisch eingelesen-";

constexpr ControlLayout kTable[] = {
    {.name = "LabelCode",
     .kind = Kind::Label,
     .place = {16, 19, 78, 13},
     .text = u"Ihr Probencode:",
     .labelFor = "SampleCodeEdit"},
    {.name = "LabelSampleType",
     .kind = Kind::Label,
     .place = {16, 46, 69, 13},
     .text = u"Art der Probe:",
     .labelFor = "SampleTypeEdit"},
    {.name = "SampleCodeEdit",
     .kind = Kind::EditBox,
     .place = {158, 16, 309, 21},
     .toolTip = u"Tragen Sie hier Ihren Probencode ein.",
     .tabOrder = 0},
    {.name = "SampleTypeEdit",
     .kind = Kind::EditBox,
     .place = {158, 43, 309, 21},
     .text = kNotYetLoaded,
     .toolTip = kFetchedOnline,
     .enabled = false,
     .tabOrder = 2,
     .pointer = Pointer::NotAllowed},
    {.name = "interpretation",
     .kind = Kind::TextArea,
     .place = {16, 312, 1033, 393},
     .accessibleName = u"Interpretation",
     .tabOrder = 9,
     .fontPixels = 16,
     .verticalScrollBar = true},
    {.name = "LoadCodeData",
     .kind = Kind::PushButton,
     .place = {473, 15, 128, 22},
     .text = u"Daten laden",
     .toolTip = u"Nachdem Sie Ihren Probencode eingetragen haben, betätigen Sie diesen Knopf, "
                u"um die Daten online zu laden.",
     .tabOrder = 1,
     .pointer = Pointer::PointingHand},
    {.name = "LabelParam",
     .kind = Kind::Label,
     .place = {16, 105, 83, 13},
     .text = u"Prüfwert wählen:",
     .labelFor = "ParameterComboBox"},
    {.name = "ParameterComboBox",
     .kind = Kind::ComboBox,
     .place = {158, 97, 309, 21},
     .text = u"-bitte auswählen-",
     .toolTip = u"Wählen Sie aus der Liste jeweils einen Parameter, zu welchem Sie eine "
                u"Interpretation wünschen.",
     .enabled = false,
     .tabOrder = 4,
     .pointer = Pointer::PointingHand},
    {.name = "LabelValue",
     .kind = Kind::Label,
     .place = {16, 132, 67, 13},
     .text = u"Ihr Messwert:",
     .labelFor = "valueEdit"},
    {.name = "valueEdit",
     .kind = Kind::EditBox,
     .place = {247, 124, 66, 21},
     .toolTip = u"Geben Sie die Konzentration in dieses Feld ein. Hinweis: In manchen Fällen "
                u"liegt der Messwert in Form einer Aussage vor z.B. POSITIV, NEGATIV oder "
                u"eines Intervalles z.B. 1-10% etc. Sofern keine absolute Zahl vorliegt, "
                u"verwenden Sie eine Zahl, welche sinngemäß am nächsten liegt. z.B: POSITIV = "
                u"1 ;NEGATIV = 0 ; 1-10 = 5 usw.",
     .visible = false,
     .tabOrder = 6,
     .pointer = Pointer::IBeam,
     .maxLength = 7},
    {.name = "process",
     .kind = Kind::PushButton,
     .place = {473, 124, 128, 22},
     .text = u"Interpretation erstellen",
     .toolTip = u"Betätigen Sie diesen Knopf, um eine Interpretation Ihres Wertes zu erzeugen.",
     .enabled = false,
     .visible = false,
     .tabOrder = 8,
     .pointer = Pointer::PointingHand},
    {.name = "LabelDescription",
     .kind = Kind::Label,
     .place = {16, 78, 98, 13},
     .text = u"Probenbezeichnung:",
     .labelFor = "SampleNameEdit"},
    {.name = "SampleNameEdit",
     .kind = Kind::EditBox,
     .place = {158, 70, 309, 21},
     .text = kNotYetLoaded,
     .toolTip = kFetchedOnline,
     .enabled = false,
     .tabOrder = 3,
     .pointer = Pointer::NotAllowed},
    {.name = "PrefixComboBox",
     .kind = Kind::ComboBox,
     .place = {158, 124, 83, 21},
     .text = u"Vorzeichen",
     .items = kPrefixChoices,
     .toolTip = u"Falls der zu interpretierende Messwert mit einem Vorzeichen beginnt, wählen "
                u"Sie dieses hier aus.",
     .accessibleName = u"Vorzeichen",
     .visible = false,
     .tabOrder = 5,
     .pointer = Pointer::PointingHand},
    {.name = "Unit",
     .kind = Kind::ComboBox,
     .place = {319, 124, 74, 21},
     .text = u"Einheit",
     .items = kUnitChoices,
     .toolTip = u"Wählen Sie die Einheit Ihrer Konzentration.",
     .accessibleName = u"Einheit",
     .visible = false,
     .tabOrder = 7,
     .pointer = Pointer::PointingHand},
    {.name = "disclaimer",
     .kind = Kind::TextArea,
     .place = {16, 176, 1033, 138},
     .accessibleName = u"Einleitung",
     .enabled = false,
     .tabOrder = 10},
    {.name = "logo",
     .kind = Kind::Image,
     .place = {880, 16, 169, 79},
     .accessibleName = u"Quorvi V2"},
    {.name = "Impressum",
     .kind = Kind::ClickLabel,
     .place = {870, 711, 173, 13},
     .text = u"Impressum + Nutzungsbedingungen"},
    {.name = "Kundendienst",
     .kind = Kind::ClickLabel,
     .place = {750, 711, 65, 13},
     .text = u"Kundendienst"},
};

} // namespace

std::span<const ControlLayout> controls()
{
    return kTable;
}

const ControlLayout& control(std::string_view name)
{
    const auto found = std::ranges::find(kTable, name, &ControlLayout::name);
    if (found == std::end(kTable)) {
        throw std::out_of_range("no control named " + std::string(name));
    }
    return *found;
}

} // namespace layout
