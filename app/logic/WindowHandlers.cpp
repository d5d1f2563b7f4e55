#include "app/logic/WindowHandlers.h"

#include "app/logic/ControlInterpretationView.h"
#include "app/logic/ControlSampleView.h"
#include "app/logic/FailureReport.h"
#include "app/logic/InformationTexts.h"
#include "app/logic/InputWorkflow.h"
#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetREST.h"
#include "interpretation/InterpretationRun.h"
#include "retrieval/SampleLoader.h"

namespace {

// Closing goes on whatever a component answers.
template <class Component> void interruptQuietly(Component& component)
{
    try {
        component.Interrupt();
    } catch (...) {
    }
}

} // namespace

WindowHandlers::WindowHandlers(WindowControls& controls, const SampleComponents& components,
                               MessagePresenter& messages, std::u16string serviceBaseUrl)
    : m_controls(controls), m_components(components), m_messages(messages),
      m_serviceBaseUrl(std::move(serviceBaseUrl))
{
    configureSampleComponents(m_components);
}

void WindowHandlers::run(Handler handler)
{
    if (!handler) {
        return;
    }
    reportFailures(m_messages, [&] { (this->*handler)(); });
}

void WindowHandlers::FormCreate()
{
    try {
        m_components.netHTTP.Head(m_serviceBaseUrl);
    } catch (...) {
        m_refused = true;
        m_messages.inform(u"Fehler: Um die Anwendung zu benutzen, müssen Sie online sein!\n"
                          u"Die Anwendung wird jetzt beendet");
    }
}

void WindowHandlers::LoadCodeDataClick()
{
    ControlSampleView view(m_controls, m_messages);
    SampleLoader(m_components, m_loadedSample, view, m_serviceBaseUrl).load();
}

void WindowHandlers::processClick()
{
    ControlInterpretationView view(m_controls);
    InterpretationRun(m_components.netJSON2, m_loadedSample.parameterCount, view).run();
}

void WindowHandlers::ImpressumClick()
{
    m_messages.inform(impressumText());
}

void WindowHandlers::KundendienstClick()
{
    m_messages.inform(kundendienstText());
}

void WindowHandlers::ParameterComboBoxDropDown()
{
    workflow::parameterListOpened(m_controls);
}

void WindowHandlers::ParameterComboBoxChange()
{
    workflow::parameterChanged(m_controls);
}

void WindowHandlers::PrefixComboBoxChange()
{
    workflow::prefixChanged(m_controls);
}

void WindowHandlers::valueEditClick()
{
    workflow::valueClicked(m_controls);
}

void WindowHandlers::valueEditChange()
{
    workflow::valueChanged(m_controls);
}

void WindowHandlers::UnitClick()
{
    workflow::unitChosenFromList(m_controls);
}

void WindowHandlers::UnitChange()
{
    workflow::unitChanged(m_controls);
}

void WindowHandlers::windowClosing()
{
    m_messages.closed = true;
    interruptQuietly(m_components.netHTTP);
    interruptQuietly(m_components.netREST1);
    interruptQuietly(m_components.netREST2);
}

void WindowHandlers::OpenWindowMessages::inform(std::u16string_view text)
{
    if (!closed) {
        m_target.inform(text);
    }
}

void WindowHandlers::OpenWindowMessages::error(std::u16string_view text)
{
    if (!closed) {
        m_target.error(text);
    }
}
