// Makes the window's Qt widgets from the shared window layout.
#include "app/logic/InformationTexts.h"
#include "app/logic/WindowLayout.h"
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/TextConversion.h"
#include "app/qt/controls/ClickLabel.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "app/qt/controls/TextArea.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Where Tahoma is missing, the condensed DejaVu comes closest to its widths, so captions
// sized for Tahoma still fit their places.
QFont tahoma(int pixelSize)
{
    QFont font;
    font.setFamilies(
        {toQString(layout::kFontFamily), u"DejaVu Sans Condensed"_s, u"DejaVu Sans"_s});
    font.setPixelSize(pixelSize);
    return font;
}

// The window's own colours hold under any desktop theme: dark text on the sky blue and
// on the white boxes, and greyed text of disabled controls still readable (over 4.5 : 1
// on white and on the boxes' colours).
QPalette windowPalette()
{
    const QColor black(0, 0, 0);
    const QColor greyed = toQColor(colours::kGreyedText);
    QPalette colours(QColor(240, 240, 240), toQColor(layout::kBackground));
    colours.setColor(QPalette::WindowText, black);
    colours.setColor(QPalette::Text, black);
    colours.setColor(QPalette::ButtonText, black);
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::PlaceholderText, greyed);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        colours.setColor(QPalette::Disabled, role, greyed);
    }
    return colours;
}

QRect toQRect(const layout::Rect& place)
{
    return {place.left, place.top, place.width, place.height};
}

Qt::CursorShape cursorShape(layout::Pointer pointer)
{
    switch (pointer) {
    case layout::Pointer::PointingHand:
        return Qt::PointingHandCursor;
    case layout::Pointer::NotAllowed:
        return Qt::ForbiddenCursor;
    case layout::Pointer::IBeam:
        return Qt::IBeamCursor;
    case layout::Pointer::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

QPushButton* pushButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

ComboBox* comboBox(const layout::ControlLayout& spec, QWidget* parent)
{
    auto* box = new ComboBox(parent);
    for (std::u16string_view item : spec.items) {
        box->appendItem(toQString(item));
    }
    box->setText(toQString(spec.text));
    box->lineEdit()->setCursor(cursorShape(spec.pointer));
    return box;
}

EditBox* editBox(const layout::ControlLayout& spec, QWidget* parent)
{
    auto* edit = new EditBox(parent);
    edit->setText(toQString(spec.text));
    if (spec.maxLength > 0) {
        edit->setMaxLength(spec.maxLength);
    }
    return edit;
}

// Read-only; an enabled area takes the focus but passes Tab and Enter on.
TextArea* textArea(const layout::ControlLayout& spec, QWidget* parent)
{
    auto* area = new TextArea(parent);
    area->setReadOnly(true);
    area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    area->setFocusPolicy(Qt::StrongFocus);
    area->setVerticalScrollBarPolicy(spec.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                            : Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    area->setTabChangesFocus(true);
    return area;
}

// Scaled down to fit the area, never enlarged, at its top-left corner.
QLabel* logoImage(const layout::ControlLayout& spec, QWidget* parent)
{
    auto* logo = new QLabel(parent);
    const QSize area(spec.place.width, spec.place.height);
    const QPixmap picture(u":/icons/logo.png"_s);
    logo->setPixmap(picture.width() > area.width() || picture.height() > area.height()
                        ? picture.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        : picture);
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return logo;
}

QWidget* makeControl(const layout::ControlLayout& spec, QWidget* parent)
{
    const QString text = toQString(spec.text);
    switch (spec.kind) {
    case layout::Kind::Label:
        return new QLabel(text, parent);
    case layout::Kind::ClickLabel:
        return new ClickLabel(text, parent);
    case layout::Kind::EditBox:
        return editBox(spec, parent);
    case layout::Kind::ComboBox:
        return comboBox(spec, parent);
    case layout::Kind::PushButton:
        return pushButton(text, parent);
    case layout::Kind::TextArea:
        return textArea(spec, parent);
    case layout::Kind::Image:
        return logoImage(spec, parent);
    }
    return nullptr;
}

bool sizesItself(layout::Kind kind)
{
    return kind == layout::Kind::Label || kind == layout::Kind::ClickLabel;
}

// Buttons and clickable labels are named by their captions.
QString accessibleName(const layout::ControlLayout& spec)
{
    if (!spec.accessibleName.empty()) {
        return toQString(spec.accessibleName);
    }
    return spec.kind == layout::Kind::PushButton || spec.kind == layout::Kind::ClickLabel
               ? toQString(spec.text)
               : QString();
}

QWidget* placeControl(const layout::ControlLayout& spec, QWidget* parent)
{
    QWidget* control = makeControl(spec, parent);
    control->setObjectName(QString::fromLatin1(spec.name.data(), spec.name.size()));
    if (sizesItself(spec.kind)) {
        control->move(spec.place.left, spec.place.top);
        control->adjustSize();
    } else {
        control->setGeometry(toQRect(spec.place));
    }
    if (spec.fontPixels > 0) {
        control->setFont(tahoma(spec.fontPixels));
    }
    if (!spec.toolTip.empty()) {
        control->setToolTip(toQString(spec.toolTip));
    }
    if (!spec.enabled) {
        control->setEnabled(false);
    }
    if (!spec.visible) {
        control->setVisible(false);
    }
    if (spec.pointer != layout::Pointer::Arrow) {
        control->setCursor(cursorShape(spec.pointer));
    }
    if (const QString name = accessibleName(spec); !name.isEmpty()) {
        control->setAccessibleName(name);
    }
    return control;
}

template <typename Control> Control* child(QWidget& window, std::string_view name)
{
    return window.findChild<Control*>(QString::fromLatin1(name.data(), name.size()));
}

} // namespace

void TQuorviInterpreter::createControls()
{
    setObjectName(u"QuorviInterpreter"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(layout::kClientSize.width, layout::kClientSize.height);
    setWindowTitle(toQString(windowCaption()));
    setWindowIcon(QIcon(u":/icons/window-128.png"_s));
    setFont(tahoma(layout::kFontPixels));
    setPalette(windowPalette());
    setAutoFillBackground(true);

    GroupBox = new QGroupBox(this);
    GroupBox->setObjectName(u"GroupBox"_s);
    GroupBox->setGeometry(toQRect(layout::kGroupBox));

    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const layout::ControlLayout& spec : layout::controls()) {
        QWidget* control = placeControl(spec, GroupBox);
        if (spec.tabOrder != layout::kNotATabStop) {
            tabStops.emplace_back(spec.tabOrder, control);
        }
    }
    for (const layout::ControlLayout& spec : layout::controls()) {
        if (!spec.labelFor.empty()) {
            auto* label = child<QLabel>(*this, spec.name);
            QWidget* field = child<QWidget>(*this, spec.labelFor);
            label->setBuddy(field);
            field->setAccessibleName(label->text());
        }
    }
    std::ranges::sort(tabStops);
    for (size_t i = 1; i < tabStops.size(); ++i) {
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    }

    LabelCode = child<QLabel>(*this, "LabelCode");
    LabelSampleType = child<QLabel>(*this, "LabelSampleType");
    SampleCodeEdit = child<EditBox>(*this, "SampleCodeEdit");
    SampleTypeEdit = child<EditBox>(*this, "SampleTypeEdit");
    interpretation = child<TextArea>(*this, "interpretation");
    LoadCodeData = child<QPushButton>(*this, "LoadCodeData");
    LabelParam = child<QLabel>(*this, "LabelParam");
    ParameterComboBox = child<ComboBox>(*this, "ParameterComboBox");
    LabelValue = child<QLabel>(*this, "LabelValue");
    valueEdit = child<EditBox>(*this, "valueEdit");
    process = child<QPushButton>(*this, "process");
    LabelDescription = child<QLabel>(*this, "LabelDescription");
    SampleNameEdit = child<EditBox>(*this, "SampleNameEdit");
    PrefixComboBox = child<ComboBox>(*this, "PrefixComboBox");
    Unit = child<ComboBox>(*this, "Unit");
    disclaimer = child<TextArea>(*this, "disclaimer");
    logo = child<QLabel>(*this, "logo");
    Impressum = child<ClickLabel>(*this, "Impressum");
    Kundendienst = child<ClickLabel>(*this, "Kundendienst");
}
