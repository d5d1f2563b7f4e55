#include "TQuorviInterpreter.h"

#include "BackgroundColour.h"
#include "ClickLabel.h"
#include "ComboBox.h"
#include "EditBox.h"
#include "FailureReport.h"
#include "InformationTexts.h"
#include "InterpretationRun.h"
#include "MessagePresenter.h"
#include "SampleLoader.h"
#include "TextArea.h"
#include "ToolTipDisplayTime.h"
#include "WindowInterpretationView.h"
#include "WindowSampleView.h"
#include "WorkflowColours.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

constexpr int toolTipDisplayTime = 20000;

// Closing goes on whatever a component answers.
template <class Component> void interruptQuietly(Component& component)
{
    try {
        component.Interrupt();
    } catch (...) {
    }
}

} // namespace

TQuorviInterpreter::TQuorviInterpreter(MessagePresenter& messages, std::u16string serviceBaseUrl,
                                       QWidget* owner)
    : QWidget(owner), m_messages(messages), m_serviceBaseUrl(std::move(serviceBaseUrl))
{
    createControls();
    configureComponents();
    bindHandlers();
    setApplicationToolTipDisplayTime(toolTipDisplayTime);
}

TQuorviInterpreter::~TQuorviInterpreter() = default;

void TQuorviInterpreter::afterConstruction()
{
    runHandler(&TQuorviInterpreter::FormCreate, this);
}

template <typename Signal, typename Source>
void TQuorviInterpreter::bind(Source* source, Signal signal, Handler handler)
{
    connect(source, signal, this, [this, source, handler] { runHandler(handler, source); });
}

void TQuorviInterpreter::bindHandlers()
{
    bind(LoadCodeData, &QPushButton::clicked, &TQuorviInterpreter::LoadCodeDataClick);
    bind(process, &QPushButton::clicked, &TQuorviInterpreter::processClick);
    bind(ParameterComboBox, &ComboBox::changed, &TQuorviInterpreter::ParameterComboBoxChange);
    bind(ParameterComboBox, &ComboBox::droppedDown, &TQuorviInterpreter::ParameterComboBoxDropDown);
    bind(PrefixComboBox, &ComboBox::changed, &TQuorviInterpreter::PrefixComboBoxChange);
    bind(valueEdit, &EditBox::changed, &TQuorviInterpreter::valueEditChange);
    bind(valueEdit, &EditBox::clicked, &TQuorviInterpreter::valueEditClick);
    bind(Unit, &ComboBox::changed, &TQuorviInterpreter::UnitChange);
    bind(Unit, &ComboBox::clicked, &TQuorviInterpreter::UnitClick);
    bind(Impressum, &ClickLabel::clicked, &TQuorviInterpreter::ImpressumClick);
    bind(Kundendienst, &ClickLabel::clicked, &TQuorviInterpreter::KundendienstClick);
}

void TQuorviInterpreter::runHandler(Handler handler, QObject* sender)
{
    reportFailures(m_messages, [&] { (this->*handler)(sender); });
}

void TQuorviInterpreter::showEvent(QShowEvent* event)
{
    // Placed by the program itself: without a window manager nobody else would.
    if (!m_placed) {
        m_placed = true;
        QRect frame = frameGeometry();
        frame.moveCenter(screen()->geometry().center());
        move(frame.topLeft());
    }
    QWidget::showEvent(event);
}

void TQuorviInterpreter::closeEvent(QCloseEvent* event)
{
    // A transfer still waiting would keep the closed program running until its time-out.
    interruptQuietly(netHTTP);
    interruptQuietly(netREST1);
    interruptQuietly(netREST2);
    QWidget::closeEvent(event);
}

void TQuorviInterpreter::FormCreate(QObject*)
{
    try {
        netHTTP.Head(m_serviceBaseUrl);
    } catch (...) {
        m_messages.inform(u"Fehler: Um die Anwendung zu benutzen, müssen Sie online sein!\n"
                          u"Die Anwendung wird jetzt beendet"_s);
        m_refused = true;
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    }
}

void TQuorviInterpreter::LoadCodeDataClick(QObject*)
{
    WindowSampleView view(*this, m_messages);
    SampleLoader loader({.netREST1 = netREST1,
                         .netJSON1 = netJSON1,
                         .netHTTP = netHTTP,
                         .netREST2 = netREST2,
                         .netJSON2 = netJSON2},
                        m_loadedSample, view, m_serviceBaseUrl);
    loader.load();
}

void TQuorviInterpreter::processClick(QObject*)
{
    WindowInterpretationView view(*this);
    InterpretationRun(netJSON2, m_loadedSample.parameterCount, view).run();
}

void TQuorviInterpreter::ParameterComboBoxDropDown(QObject*)
{
    setBackgroundColour(*ParameterComboBox, colours::yellow);
    ParameterComboBox->repaint();
}

void TQuorviInterpreter::ParameterComboBoxChange(QObject*)
{
    setBackgroundColour(*ParameterComboBox, colours::lime);
    setBackgroundColour(*valueEdit, colours::yellow);
    setBackgroundColour(*Unit, colours::yellow);
    PrefixComboBox->setVisible(true);
    setBackgroundColour(*PrefixComboBox, colours::yellow);
}

void TQuorviInterpreter::PrefixComboBoxChange(QObject*)
{
    setBackgroundColour(*PrefixComboBox, colours::lime);
    valueEdit->setVisible(true);
}

void TQuorviInterpreter::valueEditClick(QObject*)
{
    setBackgroundColour(*valueEdit, colours::yellow);
}

void TQuorviInterpreter::valueEditChange(QObject*)
{
    if (!valueEdit->text().isEmpty()) {
        setBackgroundColour(*valueEdit, colours::lime);
        Unit->setVisible(true);
        setBackgroundColour(*Unit, colours::yellow);
    } else {
        setBackgroundColour(*valueEdit, colours::red);
        Unit->setVisible(false);
        process->setVisible(false);
    }
}

void TQuorviInterpreter::UnitClick(QObject*)
{
    setBackgroundColour(*Unit, colours::green);
}

void TQuorviInterpreter::UnitChange(QObject*)
{
    setBackgroundColour(*Unit, colours::lime);
    process->setVisible(true);
    process->setEnabled(true);
}

void TQuorviInterpreter::ImpressumClick(QObject*)
{
    m_messages.inform(impressumText());
}

void TQuorviInterpreter::KundendienstClick(QObject*)
{
    m_messages.inform(kundendienstText());
}
