#include "app/qt/TQuorviInterpreter.h"

#include "app/logic/ControlEvents.h"
#include "app/logic/WindowHandlers.h"
#include "app/logic/WindowLayout.h"
#include "app/qt/ToolTipDisplayTime.h"
#include "app/qt/WidgetControls.h"
#include "app/qt/controls/ClickLabel.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "app/qt/controls/TextArea.h"

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
    setApplicationToolTipDisplayTime(layout::kToolTipDisplayMs);
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
    for (const ControlEvents& events : controlEvents()) {
        auto* control = findChild<QWidget*>(
            QString::fromLatin1(events.name.data(), static_cast<qsizetype>(events.name.size())));
        if (auto* box = qobject_cast<ComboBox*>(control)) {
            bind(box, &ComboBox::clicked, events.click);
            bind(box, &ComboBox::changed, events.change);
            bind(box, &ComboBox::droppedDown, events.dropDown);
        } else if (auto* edit = qobject_cast<EditBox*>(control)) {
            bind(edit, &EditBox::clicked, events.click);
            bind(edit, &EditBox::changed, events.change);
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            bind(button, &QPushButton::clicked, events.click);
        } else if (auto* label = qobject_cast<ClickLabel*>(control)) {
            bind(label, &ClickLabel::clicked, events.click);
        }
    }
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
