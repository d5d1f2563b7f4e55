// The main window as it opens: frame, places, texts, states, tab order, tooltips,
// accessibility, the logo and the components' settings.
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/ToolTipDisplayTime.h"
#include "app/qt/controls/BackgroundColour.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "app/qt/controls/TextArea.h"
#include "tests/support/window/ControlState.h"
#include "tests/support/window/RecordingPresenter.h"
#include "tests/support/window/WindowDriver.h"
#include "tests/support/window/WindowFixture.h"
#include "tests/support/window/WindowTestMain.h"

#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kUnloaded = u"-wird automatisch eingelesen-"_s;
const QString kTypeAndNameTip = u"Diese Daten werden automatisch online abgerufen."_s;

QString textOf(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text();
    }
    if (auto* box = qobject_cast<ComboBox*>(control)) {
        return box->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* area = qobject_cast<TextArea*>(control)) {
        return area->text();
    }
    return QString();
}

} // namespace

class WindowLayoutTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frame();
    void opensCentredOnTheScreen();
    void looks();
    void controls_data();
    void controls();
    void labelsTakeTheSizeOfTheirCaption_data();
    void labelsTakeTheSizeOfTheirCaption();
    void comboBoxItems_data();
    void comboBoxItems();
    void valueBoxTakesAtMostSevenCharacters();
    void textAreas();
    void buttonsAreNeitherDefaultNorCancel();
    void tabOrder();
    void tabSkipsDisabledAndHiddenControls();
    void toolTipTiming();
    void toolTips_data();
    void toolTips();
    void accessibleNames_data();
    void accessibleNames();
    void logoAndIcon();
    void componentSettings();

private:
    QWidget* find(const char* name) { return drive::control<QWidget>(*m_window, name); }
};

void WindowLayoutTest::init()
{
    openWindow();
}

void WindowLayoutTest::cleanup()
{
    closeWindow();
    QVERIFY(m_messages.informations().isEmpty());
    QVERIFY(m_messages.errors().isEmpty());
}

void WindowLayoutTest::frame()
{
    QCOMPARE(m_window->objectName(), u"QuorviInterpreter"_s);
    QVERIFY(m_window->inherits("TQuorviInterpreter"));
    QVERIFY(m_window->isWindow());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->windowTitle(),
             u"www.veltranik.example / www.sorbeno-analytik.example Quorvi V2"_s);
    QCOMPARE(m_window->size(), QSize(1076, 740));
    QCOMPARE(m_window->minimumSize(), QSize(1076, 740));
    QCOMPARE(m_window->maximumSize(), QSize(1076, 740));

    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::Window));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
}

void WindowLayoutTest::opensCentredOnTheScreen()
{
    QVERIFY(drive::showActive(*m_window));
    // The offscreen platform adds a frame of its own only once the window is up.
    const QMargins frame = m_window->windowHandle()->frameMargins();
    const QPoint offset = m_window->geometry().center() - m_window->screen()->geometry().center();
    QVERIFY2(qAbs(offset.x()) <= frame.left() && qAbs(offset.y()) <= frame.top(),
             qPrintable(u"off by %1,%2"_s.arg(offset.x()).arg(offset.y())));
    QCOMPARE(m_window->size(), QSize(1076, 740));
}

void WindowLayoutTest::looks()
{
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(166, 202, 240));
    QCOMPARE(find("GroupBox")->palette().color(QPalette::Window), QColor(166, 202, 240));
    QCOMPARE(find("LabelCode")->palette().color(QPalette::Window), QColor(166, 202, 240));
    QCOMPARE(m_window->font().families(),
             (QStringList{u"Tahoma"_s, u"DejaVu Sans Condensed"_s, u"DejaVu Sans"_s}));
    QCOMPARE(m_window->font().pixelSize(), 11);
    QCOMPARE(find("SampleCodeEdit")->font().pixelSize(), 11);

    auto* group = drive::control<QGroupBox>(*m_window, "GroupBox");
    QVERIFY(group);
    QCOMPARE(group->parentWidget(), m_window.get());
    QCOMPARE(group->geometry(), QRect(8, 8, 1062, 726));
    QVERIFY(group->title().isEmpty());
}

void WindowLayoutTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<Qt::CursorShape>("pointer");

    const auto row = [](const char* name, const char* kind, QRect geometry, QString text,
                        bool enabled, bool visible, Qt::CursorShape pointer) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << geometry
                            << text << enabled << visible << pointer;
    };
    row("SampleCodeEdit", "EditBox", {158, 16, 309, 21}, QString(), true, true, Qt::IBeamCursor);
    row("LoadCodeData", "QPushButton", {473, 15, 128, 22}, u"Daten laden"_s, true, true,
        Qt::PointingHandCursor);
    row("SampleTypeEdit", "EditBox", {158, 43, 309, 21}, kUnloaded, false, true,
        Qt::ForbiddenCursor);
    row("SampleNameEdit", "EditBox", {158, 70, 309, 21}, kUnloaded, false, true,
        Qt::ForbiddenCursor);
    row("ParameterComboBox", "ComboBox", {158, 97, 309, 21}, u"-bitte auswählen-"_s, false, true,
        Qt::PointingHandCursor);
    row("PrefixComboBox", "ComboBox", {158, 124, 83, 21}, u"Vorzeichen"_s, true, false,
        Qt::PointingHandCursor);
    row("valueEdit", "EditBox", {247, 124, 66, 21}, QString(), true, false, Qt::IBeamCursor);
    row("Unit", "ComboBox", {319, 124, 74, 21}, u"Einheit"_s, true, false, Qt::PointingHandCursor);
    row("process", "QPushButton", {473, 124, 128, 22}, u"Interpretation erstellen"_s, false, false,
        Qt::PointingHandCursor);
    row("disclaimer", "TextArea", {16, 176, 1033, 138}, QString(), false, true, Qt::ArrowCursor);
    row("interpretation", "TextArea", {16, 312, 1033, 393}, QString(), true, true, Qt::ArrowCursor);
    row("logo", "QLabel", {880, 16, 169, 79}, QString(), true, true, Qt::ArrowCursor);
}

void WindowLayoutTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(bool, visible);
    QFETCH(Qt::CursorShape, pointer);

    auto* control = m_window->findChild<QWidget*>(name);
    QVERIFY(control);
    QVERIFY(control->inherits(kind.toLatin1()));
    QCOMPARE(control->parentWidget(), find("GroupBox"));
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(textOf(control), text);
    QCOMPARE(control->isEnabled(), enabled);
    QCOMPARE(control->isVisibleTo(m_window.get()), visible);
    QCOMPARE(control->cursor().shape(), pointer);
    if (auto* box = qobject_cast<ComboBox*>(control)) {
        QCOMPARE(box->lineEdit()->cursor().shape(), pointer);
    }
    if (!qobject_cast<QPushButton*>(control) && !qobject_cast<QLabel*>(control)) {
        QVERIFY(!control->palette().isBrushSet(QPalette::Active, QPalette::Base));
        // White, whatever the desktop's theme, and also while disabled.
        QCOMPARE(backgroundColour(*control), QColor(Qt::white));
    }
}

void WindowLayoutTest::labelsTakeTheSizeOfTheirCaption_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("kind");

    QTest::newRow("LabelCode") << u"LabelCode"_s << QPoint(16, 19) << u"Ihr Probencode:"_s
                               << u"QLabel"_s;
    QTest::newRow("LabelSampleType")
        << u"LabelSampleType"_s << QPoint(16, 46) << u"Art der Probe:"_s << u"QLabel"_s;
    QTest::newRow("LabelDescription")
        << u"LabelDescription"_s << QPoint(16, 78) << u"Probenbezeichnung:"_s << u"QLabel"_s;
    QTest::newRow("LabelParam") << u"LabelParam"_s << QPoint(16, 105) << u"Prüfwert wählen:"_s
                                << u"QLabel"_s;
    QTest::newRow("LabelValue") << u"LabelValue"_s << QPoint(16, 132) << u"Ihr Messwert:"_s
                                << u"QLabel"_s;
    QTest::newRow("Kundendienst") << u"Kundendienst"_s << QPoint(750, 711) << u"Kundendienst"_s
                                  << u"ClickLabel"_s;
    QTest::newRow("Impressum") << u"Impressum"_s << QPoint(870, 711)
                               << u"Impressum + Nutzungsbedingungen"_s << u"ClickLabel"_s;
}

void WindowLayoutTest::labelsTakeTheSizeOfTheirCaption()
{
    QFETCH(QString, name);
    QFETCH(QPoint, position);
    QFETCH(QString, caption);
    QFETCH(QString, kind);

    auto* label = m_window->findChild<QLabel*>(name);
    QVERIFY(label);
    QVERIFY(label->inherits(kind.toLatin1()));
    QCOMPARE(label->parentWidget(), find("GroupBox"));
    QCOMPARE(label->pos(), position);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->size(), label->sizeHint());
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QVERIFY(label->isVisibleTo(m_window.get()));
}

void WindowLayoutTest::comboBoxItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("ParameterComboBox") << u"ParameterComboBox"_s << QStringList();
    QTest::newRow("PrefixComboBox")
        << u"PrefixComboBox"_s << QStringList{u"keins"_s, u">"_s, u"<"_s};
    QTest::newRow("Unit") << u"Unit"_s
                          << QStringList{u"\u00B5g/L"_s, u"mg/L"_s, u"KBE/1mL"_s, u"KBE/100mL"_s,
                                         u"KBE/250mL"_s};
}

void WindowLayoutTest::comboBoxItems()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);

    auto* box = m_window->findChild<ComboBox*>(name);
    QVERIFY(box);
    QCOMPARE(itemTexts(*box), items);
    QCOMPARE(box->currentIndex(), -1);
    QVERIFY(box->isEditable());
    QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
    QVERIFY(!box->completer());
}

void WindowLayoutTest::valueBoxTakesAtMostSevenCharacters()
{
    auto* value = m_window->valueEdit;
    QCOMPARE(value->maxLength(), 7);
    m_window->valueEdit->setVisible(true);
    QVERIFY(drive::showActive(*m_window));
    value->setFocus();
    drive::type(*value, u"12345678"_s);
    QCOMPARE(value->text(), u"1234567"_s);
    QCOMPARE(m_window->SampleCodeEdit->maxLength(), 32767);
}

void WindowLayoutTest::textAreas()
{
    TextArea* output = m_window->interpretation;
    QVERIFY(output->isReadOnly());
    QCOMPARE(output->font().pixelSize(), 16);
    QCOMPARE(output->font().families(),
             (QStringList{u"Tahoma"_s, u"DejaVu Sans Condensed"_s, u"DejaVu Sans"_s}));
    QCOMPARE(output->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(output->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(output->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(output->tabChangesFocus());
    QCOMPARE(output->focusPolicy(), Qt::StrongFocus);

    QVERIFY(drive::showActive(*m_window));
    output->setFocus();
    QTest::keyClick(output, Qt::Key_Return);
    drive::type(*output, u"x"_s);
    QCOMPARE(output->text(), QString());
    QCOMPARE(output->toPlainText(), QString());

    TextArea* intro = m_window->disclaimer;
    QVERIFY(intro->isReadOnly());
    QVERIFY(!intro->isEnabled());
    QCOMPARE(intro->font().pixelSize(), 11);
    QCOMPARE(intro->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(intro->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(intro->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

void WindowLayoutTest::buttonsAreNeitherDefaultNorCancel()
{
    QVERIFY(drive::showActive(*m_window));
    QPushButton* load = m_window->LoadCodeData;
    QVERIFY(!load->autoDefault());
    QVERIFY(!load->isDefault());
    QVERIFY(!m_window->process->autoDefault());
    QVERIFY(!m_window->process->isDefault());

    QSignalSpy clicks(load, &QPushButton::clicked);
    for (QWidget* focus :
         {static_cast<QWidget*>(load), static_cast<QWidget*>(m_window->SampleCodeEdit)}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        QTest::keyClick(focus, Qt::Key_Enter);
        QTest::keyClick(focus, Qt::Key_Escape);
    }
    QCOMPARE(clicks.count(), 0);
    QVERIFY(m_window->isVisible());
}

void WindowLayoutTest::tabOrder()
{
    const QStringList order = {
        u"SampleCodeEdit"_s,    u"LoadCodeData"_s,   u"SampleTypeEdit"_s, u"SampleNameEdit"_s,
        u"ParameterComboBox"_s, u"PrefixComboBox"_s, u"valueEdit"_s,      u"Unit"_s,
        u"process"_s,           u"interpretation"_s, u"disclaimer"_s};
    QStringList chain;
    QWidget* widget = m_window->SampleCodeEdit;
    do {
        if (order.contains(widget->objectName()) && !chain.contains(widget->objectName())) {
            chain.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    } while (widget != m_window->SampleCodeEdit);
    QCOMPARE(chain, order);

    for (const char* name : {"LabelCode", "logo", "Impressum", "Kundendienst", "GroupBox"}) {
        QCOMPARE(find(name)->focusPolicy(), Qt::NoFocus);
    }
}

void WindowLayoutTest::tabSkipsDisabledAndHiddenControls()
{
    QVERIFY(drive::showActive(*m_window));
    m_window->SampleCodeEdit->setFocus();
    QTRY_VERIFY(m_window->SampleCodeEdit->hasFocus());
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{u"LoadCodeData"_s, u"interpretation"_s, u"SampleCodeEdit"_s}));
}

void WindowLayoutTest::toolTipTiming()
{
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
    QCOMPARE(applicationToolTipDisplayTime(), 20000);
}

void WindowLayoutTest::toolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");

    QTest::newRow("SampleCodeEdit")
        << u"SampleCodeEdit"_s << u"Tragen Sie hier Ihren Probencode ein."_s;
    QTest::newRow("LoadCodeData")
        << u"LoadCodeData"_s
        << u"Nachdem Sie Ihren Probencode eingetragen haben, betätigen Sie diesen Knopf, um "
           u"die Daten online zu laden."_s;
    QTest::newRow("SampleTypeEdit (disabled)") << u"SampleTypeEdit"_s << kTypeAndNameTip;
    QTest::newRow("SampleNameEdit (disabled)") << u"SampleNameEdit"_s << kTypeAndNameTip;
    QTest::newRow("ParameterComboBox (disabled)")
        << u"ParameterComboBox"_s
        << u"Wählen Sie aus der Liste jeweils einen Parameter, zu welchem Sie eine "
           u"Interpretation wünschen."_s;
    QTest::newRow("PrefixComboBox")
        << u"PrefixComboBox"_s
        << u"Falls der zu interpretierende Messwert mit einem Vorzeichen beginnt, wählen Sie "
           u"dieses hier aus."_s;
    QTest::newRow("valueEdit")
        << u"valueEdit"_s
        << u"Geben Sie die Konzentration in dieses Feld ein. Hinweis: In manchen Fällen liegt "
           u"der Messwert in Form einer Aussage vor z.B. POSITIV, NEGATIV oder eines "
           u"Intervalles z.B. 1-10% etc. Sofern keine absolute Zahl vorliegt, verwenden Sie "
           u"eine Zahl, welche sinngemäß am nächsten liegt. z.B: POSITIV = 1 ;NEGATIV = 0 ; "
           u"1-10 = 5 usw."_s;
    QTest::newRow("Unit") << u"Unit"_s << u"Wählen Sie die Einheit Ihrer Konzentration."_s;
    QTest::newRow("process")
        << u"process"_s
        << u"Betätigen Sie diesen Knopf, um eine Interpretation Ihres Wertes zu erzeugen."_s;
    for (const char* name : {"interpretation", "disclaimer", "logo", "LabelCode", "LabelSampleType",
                             "LabelDescription", "LabelParam", "LabelValue", "Impressum",
                             "Kundendienst", "GroupBox"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString();
    }
}

void WindowLayoutTest::toolTips()
{
    QFETCH(QString, name);
    QFETCH(QString, tip);

    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    for (const char* hidden : {"PrefixComboBox", "valueEdit", "Unit", "process"}) {
        find(hidden)->setVisible(true);
    }
    QVERIFY(drive::showActive(*m_window));

    auto* control = m_window->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->toolTip(), tip);
    // Over a combo box the mouse rests on its text field.
    QWidget* target = control;
    if (auto* box = qobject_cast<ComboBox*>(control)) {
        target = box->lineEdit();
    }
    const QPoint at = target->rect().center();
    QHelpEvent request(QEvent::ToolTip, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &request);

    if (tip.isEmpty()) {
        QVERIFY(!QToolTip::isVisible());
    } else {
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), tip);
    }
}

void WindowLayoutTest::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("label");

    QTest::newRow("SampleCodeEdit")
        << u"SampleCodeEdit"_s << u"Ihr Probencode:"_s << u"LabelCode"_s;
    QTest::newRow("SampleTypeEdit")
        << u"SampleTypeEdit"_s << u"Art der Probe:"_s << u"LabelSampleType"_s;
    QTest::newRow("SampleNameEdit")
        << u"SampleNameEdit"_s << u"Probenbezeichnung:"_s << u"LabelDescription"_s;
    QTest::newRow("ParameterComboBox")
        << u"ParameterComboBox"_s << u"Prüfwert wählen:"_s << u"LabelParam"_s;
    QTest::newRow("valueEdit") << u"valueEdit"_s << u"Ihr Messwert:"_s << u"LabelValue"_s;
    QTest::newRow("PrefixComboBox") << u"PrefixComboBox"_s << u"Vorzeichen"_s << QString();
    QTest::newRow("Unit") << u"Unit"_s << u"Einheit"_s << QString();
    QTest::newRow("LoadCodeData") << u"LoadCodeData"_s << u"Daten laden"_s << QString();
    QTest::newRow("process") << u"process"_s << u"Interpretation erstellen"_s << QString();
    QTest::newRow("interpretation") << u"interpretation"_s << u"Interpretation"_s << QString();
    QTest::newRow("disclaimer") << u"disclaimer"_s << u"Einleitung"_s << QString();
    QTest::newRow("logo") << u"logo"_s << u"Quorvi V2"_s << QString();
    QTest::newRow("Kundendienst") << u"Kundendienst"_s << u"Kundendienst"_s << QString();
    QTest::newRow("Impressum") << u"Impressum"_s << u"Impressum + Nutzungsbedingungen"_s
                               << QString();
}

void WindowLayoutTest::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QString, label);

    auto* control = m_window->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->accessibleName(), accessibleName);
    if (!label.isEmpty()) {
        auto* caption = m_window->findChild<QLabel*>(label);
        QVERIFY(caption);
        QCOMPARE(caption->buddy(), control);
    }
}

void WindowLayoutTest::logoAndIcon()
{
    auto* logo = drive::control<QLabel>(*m_window, "logo");
    QVERIFY(logo);
    const QPixmap shown = logo->pixmap();
    QCOMPARE(shown.size(), QSize(169, 71));
    QVERIFY(shown.hasAlphaChannel());
    QCOMPARE(logo->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(!logo->autoFillBackground());

    const QImage original(u":/icons/logo.png"_s);
    QCOMPARE(original.size(), QSize(170, 72));
    QVERIFY(original.hasAlphaChannel());

    const QImage icon(u":/icons/window-128.png"_s);
    QCOMPARE(icon.size(), QSize(128, 128));
    QCOMPARE(icon.depth(), 32);
    QVERIFY(icon.hasAlphaChannel());
    QVERIFY(m_window->windowIcon().availableSizes().contains(QSize(128, 128)));
}

void WindowLayoutTest::componentSettings()
{
    QVERIFY(m_window->netJSON1.Overwrite());
    QVERIFY(m_window->netJSON2.Overwrite());
    QVERIFY(m_window->netREST1.SSLCertStore() == u"MY");
    QVERIFY(!m_window->netREST2.BuildDOM());
    QVERIFY(m_window->netREST2.SSLCertStore() == u"MY");
    QVERIFY(m_window->netHTTP.AllowHTTPCompression());
    QVERIFY(m_window->netHTTP.SSLCertStore() == u"MY");
}

int main(int argc, char* argv[])
{
    return runWindowTest<WindowLayoutTest>(argc, argv);
}

#include "WindowLayoutTest.moc"
