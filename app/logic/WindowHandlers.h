#pragma once

#include "app/logic/MessagePresenter.h"
#include "retrieval/LoadedSample.h"
#include "retrieval/SampleComponents.h"

#include <string>

struct WindowControls;

// The bodies of the main window's handlers, the same for every front end. A front end
// makes the controls, owns the components and calls run() with the handler of each
// event; run() turns an escaping error into the general failure report.
class WindowHandlers {
public:
    using Handler = void (WindowHandlers::*)();

    // Gives the components the settings they get when the window is created.
    WindowHandlers(WindowControls& controls, const SampleComponents& components,
                   MessagePresenter& messages, std::u16string serviceBaseUrl);

    // A control without a handler for the event passes none: nothing runs.
    void run(Handler handler);

    // The service probe. When it fails the user has been told; the program must end
    // before any input is handled.
    void FormCreate();
    bool refused() const { return m_refused; }

    void LoadCodeDataClick();
    void processClick();
    void ImpressumClick();
    void KundendienstClick();

    void ParameterComboBoxDropDown();
    void ParameterComboBoxChange();
    void PrefixComboBoxChange();
    void valueEditClick();
    void valueEditChange();
    void UnitClick();
    void UnitChange();

    // The window closes: a transfer still waiting would keep the program running until
    // its time-out, so it is interrupted. A load cut short this way is no failure of the
    // sample, and there is no window left to show messages over: none are shown.
    void windowClosing();

private:
    // Passes messages on until the window closes.
    class OpenWindowMessages : public MessagePresenter {
    public:
        explicit OpenWindowMessages(MessagePresenter& target) : m_target(target) {}
        void inform(std::u16string_view text) override;
        void error(std::u16string_view text) override;
        bool closed = false;

    private:
        MessagePresenter& m_target;
    };

    WindowControls& m_controls;
    SampleComponents m_components;
    OpenWindowMessages m_messages;
    const std::u16string m_serviceBaseUrl;
    LoadedSample m_loadedSample;
    bool m_refused = false;
};
