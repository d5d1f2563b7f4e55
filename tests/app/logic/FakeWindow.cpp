#include "tests/app/logic/FakeWindow.h"

#include "app/logic/ControlSampleView.h"
#include "app/logic/WindowLayout.h"

namespace {

template <class Fake> void initialise(Fake& control, std::string_view name)
{
    const layout::ControlLayout& spec = layout::control(name);
    control.name = name;
    control.value = spec.text;
    control.visible = spec.visible;
    control.enabled = spec.enabled;
}

} // namespace

FakeWindow::FakeWindow(std::u16string serviceBaseUrl)
    : handlers(controls, {netREST1, netJSON1, netHTTP, netREST2, netJSON2}, messages,
               std::move(serviceBaseUrl))
{
    initialise(SampleCodeEdit, "SampleCodeEdit");
    initialise(SampleTypeEdit, "SampleTypeEdit");
    initialise(SampleNameEdit, "SampleNameEdit");
    initialise(ParameterComboBox, "ParameterComboBox");
    initialise(PrefixComboBox, "PrefixComboBox");
    initialise(valueEdit, "valueEdit");
    initialise(Unit, "Unit");
    initialise(process, "process");
    initialise(interpretation, "interpretation");
    initialise(disclaimer, "disclaimer");

    for (FakeControl* box : {&PrefixComboBox, &valueEdit, &Unit}) {
        box->changed = [this, box] { handlers.run(eventsOf(box->name).change); };
    }
    ParameterComboBox.changed = [this] { handlers.run(eventsOf("ParameterComboBox").change); };
}

void FakeWindow::completeLoad(std::initializer_list<std::u16string_view> parameters)
{
    ControlSampleView view(controls, messages);
    for (std::u16string_view name : parameters) {
        view.appendParameter(name);
    }
    view.markParametersLoaded();
}
