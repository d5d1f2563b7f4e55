#include "TQuorviInterpreter.h"

#include "ClickLabel.h"
#include "ComboBox.h"
#include "EditBox.h"
#include "TextArea.h"
#include "ToolTipDisplayTime.h"
#include "WidgetControls.h"
#include "WindowHandlers.h"
#include "WindowLayout.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>

TQuorviInterpreter::TQuorviInterpreter(MessagePresenter& messages, std::u16string serviceBaseUrl,
                                       QWidget* owner)
    : QWidget(owner)
{
    createControls();
    m_controls = std::unique_ptr<WidgetControls>(new WidgetControls{
        .SampleCodeEdit{*SampleCodeEdit},
        .SampleTypeEdit{*SampleTypeEdit},
        .SampleNameEdit{*SampleNameEdit},
        .ParameterComboBox{*ParameterComboBox},
        .PrefixComboBox{*PrefixComboBox},
        .valueEdit{*valueEdit},
        .Unit{*Unit},
        .process{*process},
        .interpretation{*interpretation},
        .disclaimer{*disclaimer},
    });
    m_handlers = std::make_unique<WindowHandlers>(
        m_controls->controls, SampleComponents{netREST1, netJSON1, netHTTP, netREST2, netJSON2},
        messages, std::move(serviceBaseUrl));
    bindHandlers();
    setApplicationToolTipDisplayTime(layout::toolTipDisplayMs);
}

TQuorviInterpreter::~TQuorviInterpreter() = default;

void TQuorviInterpreter::afterConstruction()
{
    m_handlers->run(&WindowHandlers::FormCreate);
    if (refused()) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    }
}

bool TQuorviInterpreter::refused() const
{
    return m_handlers->refused();
}

WindowControls& TQuorviInterpreter::controls()
{
    return m_controls->controls;
}

template <typename Signal, typename Source>
void TQuorviInterpreter::bind(Source* source, Signal signal, void (WindowHandlers::*handler)())
{
    connect(source, signal, this, [this, handler] { m_handlers->run(handler); });
}

void TQuorviInterpreter::bindHandlers()
{
    bind(LoadCodeData, &QPushButton::clicked, &WindowHandlers::LoadCodeDataClick);
    bind(process, &QPushButton::clicked, &WindowHandlers::processClick);
    bind(ParameterComboBox, &ComboBox::changed, &WindowHandlers::ParameterComboBoxChange);
    bind(ParameterComboBox, &ComboBox::droppedDown, &WindowHandlers::ParameterComboBoxDropDown);
    bind(PrefixComboBox, &ComboBox::changed, &WindowHandlers::PrefixComboBoxChange);
    bind(valueEdit, &EditBox::changed, &WindowHandlers::valueEditChange);
    bind(valueEdit, &EditBox::clicked, &WindowHandlers::valueEditClick);
    bind(Unit, &ComboBox::changed, &WindowHandlers::UnitChange);
    bind(Unit, &ComboBox::clicked, &WindowHandlers::UnitClick);
    bind(Impressum, &ClickLabel::clicked, &WindowHandlers::ImpressumClick);
    bind(Kundendienst, &ClickLabel::clicked, &WindowHandlers::KundendienstClick);
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
    m_handlers->windowClosing();
    QWidget::closeEvent(event);
}
