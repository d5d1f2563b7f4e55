// The window's layout: controls, their places, texts and initial states, and the
// settings the components get at creation.
#include "ClickLabel.h"
#include "ComboBox.h"
#include "EditBox.h"
#include "InformationTexts.h"
#include "SampleComponents.h"
#include "TQuorviInterpreter.h"
#include "TextArea.h"
#include "WorkflowColours.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize clientSize(1076, 740);
constexpr QSize logoArea(169, 79);

// Where Tahoma is missing, the condensed DejaVu comes closest to its widths, so captions
// sized for Tahoma still fit their places.
QFont tahoma(int pixelSize)
{
    QFont font;
    font.setFamilies({u"Tahoma"_s, u"DejaVu Sans Condensed"_s, u"DejaVu Sans"_s});
    font.setPixelSize(pixelSize);
    return font;
}

template <typename Control> Control* place(Control* control, const char* name, QRect geometry)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

// Labels take the size of their caption in the window font.
template <typename Label> Label* placeLabel(Label* label, const char* name, QPoint position)
{
    label->setObjectName(QString::fromLatin1(name));
    label->move(position);
    label->adjustSize();
    return label;
}

void setPointer(QWidget* control, Qt::CursorShape shape)
{
    control->setCursor(shape);
}

void setPointer(ComboBox* box, Qt::CursorShape shape)
{
    box->setCursor(shape);
    box->lineEdit()->setCursor(shape);
}

QPushButton* pushButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

ComboBox* comboBox(const QString& text, const QStringList& items, QWidget* parent)
{
    auto* box = new ComboBox(parent);
    for (const QString& item : items) {
        box->appendItem(item);
    }
    box->setText(text);
    return box;
}

void setBuddy(QLabel* label, QWidget* field)
{
    label->setBuddy(field);
    field->setAccessibleName(label->text());
}

} // namespace

void TQuorviInterpreter::createControls()
{
    setObjectName(u"QuorviInterpreter"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(clientSize);
    setWindowTitle(windowCaption());
    setWindowIcon(QIcon(u":/icons/window-128.png"_s));
    setFont(tahoma(11));
    QPalette skyBlue = palette();
    skyBlue.setColor(QPalette::Window, colours::skyBlue);
    setPalette(skyBlue);
    setAutoFillBackground(true);

    GroupBox = place(new QGroupBox(this), "GroupBox", {8, 8, 1062, 726});
    QWidget* box = GroupBox;

    LabelCode = placeLabel(new QLabel(u"Ihr Probencode:"_s, box), "LabelCode", {16, 19});
    LabelSampleType = placeLabel(new QLabel(u"Art der Probe:"_s, box), "LabelSampleType", {16, 46});
    SampleCodeEdit = place(new EditBox(box), "SampleCodeEdit", {158, 16, 309, 21});
    SampleCodeEdit->setToolTip(u"Tragen Sie hier Ihren Probencode ein."_s);

    SampleTypeEdit = place(new EditBox(box), "SampleTypeEdit", {158, 43, 309, 21});
    SampleTypeEdit->setText(u"-wird automatisch eingelesen-"_s);
    SampleTypeEdit->setEnabled(false);
    setPointer(SampleTypeEdit, Qt::ForbiddenCursor);
    SampleTypeEdit->setToolTip(u"Diese Daten werden automatisch online abgerufen."_s);

    interpretation = place(new TextArea(box), "interpretation", {16, 312, 1033, 393});
    interpretation->setFont(tahoma(16));
    interpretation->setReadOnly(true);
    interpretation->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                            Qt::TextSelectableByKeyboard);
    interpretation->setFocusPolicy(Qt::StrongFocus);
    interpretation->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    interpretation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    interpretation->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    interpretation->setTabChangesFocus(true);
    interpretation->setAccessibleName(u"Interpretation"_s);

    LoadCodeData = place(pushButton(u"Daten laden"_s, box), "LoadCodeData", {473, 15, 128, 22});
    setPointer(LoadCodeData, Qt::PointingHandCursor);
    LoadCodeData->setToolTip(u"Nachdem Sie Ihren Probencode eingetragen haben, betätigen Sie "
                             u"diesen Knopf, um die Daten online zu laden."_s);

    LabelParam = placeLabel(new QLabel(u"Prüfwert wählen:"_s, box), "LabelParam", {16, 105});
    ParameterComboBox =
        place(comboBox(u"-bitte auswählen-"_s, {}, box), "ParameterComboBox", {158, 97, 309, 21});
    ParameterComboBox->setEnabled(false);
    setPointer(ParameterComboBox, Qt::PointingHandCursor);
    ParameterComboBox->setToolTip(u"Wählen Sie aus der Liste jeweils einen Parameter, zu "
                                  u"welchem Sie eine Interpretation wünschen."_s);

    LabelValue = placeLabel(new QLabel(u"Ihr Messwert:"_s, box), "LabelValue", {16, 132});
    valueEdit = place(new EditBox(box), "valueEdit", {247, 124, 66, 21});
    valueEdit->setMaxLength(7);
    valueEdit->setVisible(false);
    setPointer(valueEdit, Qt::IBeamCursor);
    valueEdit->setToolTip(
        u"Geben Sie die Konzentration in dieses Feld ein. Hinweis: In manchen Fällen liegt "
        u"der Messwert in Form einer Aussage vor z.B. POSITIV, NEGATIV oder eines "
        u"Intervalles z.B. 1-10% etc. Sofern keine absolute Zahl vorliegt, verwenden Sie "
        u"eine Zahl, welche sinngemäß am nächsten liegt. z.B: POSITIV = 1 ;NEGATIV = 0 ; "
        u"1-10 = 5 usw."_s);

    process = place(pushButton(u"Interpretation erstellen"_s, box), "process", {473, 124, 128, 22});
    process->setEnabled(false);
    process->setVisible(false);
    setPointer(process, Qt::PointingHandCursor);
    process->setToolTip(
        u"Betätigen Sie diesen Knopf, um eine Interpretation Ihres Wertes zu erzeugen."_s);

    LabelDescription =
        placeLabel(new QLabel(u"Probenbezeichnung:"_s, box), "LabelDescription", {16, 78});
    SampleNameEdit = place(new EditBox(box), "SampleNameEdit", {158, 70, 309, 21});
    SampleNameEdit->setText(u"-wird automatisch eingelesen-"_s);
    SampleNameEdit->setEnabled(false);
    setPointer(SampleNameEdit, Qt::ForbiddenCursor);
    SampleNameEdit->setToolTip(u"Diese Daten werden automatisch online abgerufen."_s);

    PrefixComboBox = place(comboBox(u"Vorzeichen"_s, {u"keins"_s, u">"_s, u"<"_s}, box),
                           "PrefixComboBox", {158, 124, 83, 21});
    PrefixComboBox->setVisible(false);
    setPointer(PrefixComboBox, Qt::PointingHandCursor);
    PrefixComboBox->setAccessibleName(u"Vorzeichen"_s);
    PrefixComboBox->setToolTip(u"Falls der zu interpretierende Messwert mit einem Vorzeichen "
                               u"beginnt, wählen Sie dieses hier aus."_s);

    Unit =
        place(comboBox(u"Einheit"_s,
                       {u"µg/L"_s, u"mg/L"_s, u"KBE/1mL"_s, u"KBE/100mL"_s, u"KBE/250mL"_s}, box),
              "Unit", {319, 124, 74, 21});
    Unit->setVisible(false);
    setPointer(Unit, Qt::PointingHandCursor);
    Unit->setAccessibleName(u"Einheit"_s);
    Unit->setToolTip(u"Wählen Sie die Einheit Ihrer Konzentration."_s);

    disclaimer = place(new TextArea(box), "disclaimer", {16, 176, 1033, 138});
    disclaimer->setReadOnly(true);
    disclaimer->setEnabled(false);
    disclaimer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    disclaimer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    disclaimer->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    disclaimer->setAccessibleName(u"Einleitung"_s);

    logo = place(new QLabel(box), "logo", {880, 16, logoArea.width(), logoArea.height()});
    const QPixmap picture(u":/icons/logo.png"_s);
    logo->setPixmap(picture.width() > logoArea.width() || picture.height() > logoArea.height()
                        ? picture.scaled(logoArea, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        : picture);
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setAccessibleName(u"Quorvi V2"_s);

    Kundendienst = placeLabel(new ClickLabel(u"Kundendienst"_s, box), "Kundendienst", {750, 711});
    Kundendienst->setAccessibleName(Kundendienst->text());
    Impressum = placeLabel(new ClickLabel(u"Impressum + Nutzungsbedingungen"_s, box), "Impressum",
                           {870, 711});
    Impressum->setAccessibleName(Impressum->text());

    setBuddy(LabelCode, SampleCodeEdit);
    setBuddy(LabelSampleType, SampleTypeEdit);
    setBuddy(LabelDescription, SampleNameEdit);
    setBuddy(LabelParam, ParameterComboBox);
    setBuddy(LabelValue, valueEdit);
    LoadCodeData->setAccessibleName(LoadCodeData->text());
    process->setAccessibleName(process->text());

    QWidget* const tabOrder[] = {SampleCodeEdit,    LoadCodeData,   SampleTypeEdit, SampleNameEdit,
                                 ParameterComboBox, PrefixComboBox, valueEdit,      Unit,
                                 process,           interpretation, disclaimer};
    for (size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
}

void TQuorviInterpreter::configureComponents()
{
    configureSampleComponents({netREST1, netJSON1, netHTTP, netREST2, netJSON2});
}
