#pragma once

#include "LoadedSample.h"
#include "TnetHTTP.h"
#include "TnetJSON.h"
#include "TnetREST.h"

#include <QWidget>
#include <string>

class ClickLabel;
class ComboBox;
class EditBox;
class MessagePresenter;
class QGroupBox;
class QLabel;
class QPushButton;
class TextArea;

// The main window: every control, the five internet components and the handlers of
// their events. Controls are children named like the members below, so tests find them
// with findChild. Each handler runs behind the general failure report; the process entry
// calls afterConstruction(), which runs FormCreate, the service probe.
class TQuorviInterpreter : public QWidget {
    Q_OBJECT

public:
    TQuorviInterpreter(MessagePresenter& messages, std::u16string serviceBaseUrl,
                       QWidget* owner = nullptr);
    ~TQuorviInterpreter() override;

    void afterConstruction();
    // True once the service probe has failed and the application is about to quit.
    bool refused() const { return m_refused; }

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

    void LoadCodeDataClick(QObject* sender);
    void processClick(QObject* sender);
    void ParameterComboBoxChange(QObject* sender);
    void valueEditChange(QObject* sender);
    void valueEditClick(QObject* sender);
    void UnitChange(QObject* sender);
    void UnitClick(QObject* sender);
    void PrefixComboBoxChange(QObject* sender);
    void ParameterComboBoxDropDown(QObject* sender);
    void ImpressumClick(QObject* sender);
    void FormCreate(QObject* sender);
    void KundendienstClick(QObject* sender);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (TQuorviInterpreter::*)(QObject*);

    void createControls();
    void configureComponents();
    void bindHandlers();
    template <typename Signal, typename Source>
    void bind(Source* source, Signal signal, Handler handler);
    void runHandler(Handler handler, QObject* sender);

    MessagePresenter& m_messages;
    const std::u16string m_serviceBaseUrl;
    LoadedSample m_loadedSample;
    bool m_refused = false;
    bool m_placed = false;
};
