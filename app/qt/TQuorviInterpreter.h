#pragma once

#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetJSON.h"
#include "components/wrappers/TnetREST.h"

#include <QWidget>
#include <memory>
#include <string>

class ClickLabel;
class ComboBox;
class EditBox;
class MessagePresenter;
class QGroupBox;
class QLabel;
class QPushButton;
class TextArea;
class WindowHandlers;
struct WidgetControls;
struct WindowControls;

// The main window in Qt: the controls made from the window layout, the five internet
// components, and the controls' events delivered to the shared WindowHandlers. Controls
// are children named like the members below, so tests find them with findChild. The
// process entry calls afterConstruction(), which runs FormCreate, the service probe.
class TQuorviInterpreter : public QWidget {
    Q_OBJECT

public:
    TQuorviInterpreter(MessagePresenter& messages, std::u16string serviceBaseUrl,
                       QWidget* owner = nullptr);
    ~TQuorviInterpreter() override;

    void afterConstruction();
    // True once the service probe has failed and the application is about to quit.
    bool refused() const;
    // What the handlers read and change.
    WindowControls& controls();

    TnetJSON netJSON1;
    QGroupBox* GroupBox;
    QLabel* LabelCode;
    QLabel* LabelSampleType;
    EditBox* SampleCodeEdit;
    EditBox* SampleTypeEdit;
    TextArea* interpretation;
    QPushButton* LoadCodeData;
    QLabel* LabelParam;
    ComboBox* ParameterComboBox;
    QLabel* LabelValue;
    EditBox* valueEdit;
    QPushButton* process;
    TnetREST netREST1;
    QLabel* LabelDescription;
    EditBox* SampleNameEdit;
    ComboBox* PrefixComboBox;
    ComboBox* Unit;
    TextArea* disclaimer;
    TnetREST netREST2;
    TnetJSON netJSON2;
    TnetHTTP netHTTP;
    QLabel* logo;
    ClickLabel* Impressum;
    ClickLabel* Kundendienst;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void bindHandlers();
    template <typename Signal, typename Source>
    void bind(Source* source, Signal signal, void (WindowHandlers::*handler)());

    std::unique_ptr<WidgetControls> m_controls;
    std::unique_ptr<WindowHandlers> m_handlers;
    bool m_placed = false;
};
