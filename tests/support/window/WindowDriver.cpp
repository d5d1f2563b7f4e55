#include "tests/support/window/WindowDriver.h"

#include "app/logic/ControlSampleView.h"
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/TextConversion.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTest>

using namespace Qt::StringLiterals;

namespace drive {

bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void loadParameters(TQuorviInterpreter& window, MessagePresenter& messages,
                    const QStringList& names)
{
    ControlSampleView view(window.controls(), messages);
    for (const QString& name : names) {
        view.appendParameter(toU16String(name));
    }
    view.markParametersLoaded();
}

bool openListWithMouse(ComboBox& box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = true;
    const QRect arrow =
        box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &box);
    QTest::mouseClick(&box, Qt::LeftButton, {}, arrow.center());
    return QTest::qWaitFor([&] { return box.view()->isVisible(); });
}

bool clickItem(ComboBox& box, int row)
{
    QAbstractItemView* list = box.view();
    if (!list->isVisible()) {
        return false;
    }
    // Qt drops a move to where the mouse already is, and the list takes a click only
    // after the mouse has moved in it.
    const QPoint centre = list->visualRect(box.model()->index(row, 0)).center();
    QTest::mouseMove(list->viewport(), centre + QPoint(1, 0));
    QTest::mouseMove(list->viewport(), centre);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    return QTest::qWaitFor([&] { return !list->isVisible(); });
}

bool chooseWithMouse(ComboBox& box, const QString& item)
{
    const int row = box.findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return row >= 0 && openListWithMouse(box) && clickItem(box, row);
}

void chooseNextWithArrowKey(ComboBox& box)
{
    box.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&box, Qt::Key_Down);
}

void clickInto(QWidget& control)
{
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center());
}

void type(QWidget& control, const QString& text)
{
    // QTest knows keys for ASCII only; other characters arrive as text without a key, as
    // from an input method.
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(&control, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, &control, Qt::Key_unknown, QString(c), {});
        }
    }
}

namespace {

// Where typing into the control goes.
QWidget& textField(QWidget& control)
{
    if (auto* box = qobject_cast<QComboBox*>(&control); box && box->lineEdit()) {
        return *box->lineEdit();
    }
    return control;
}

QWidget& selectAll(QWidget& control)
{
    QWidget& field = textField(control);
    field.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    return field;
}

} // namespace

void typeOver(QWidget& control, const QString& text)
{
    QWidget& field = selectAll(control);
    if (text.isEmpty()) {
        QTest::keyClick(&field, Qt::Key_Backspace);
    } else {
        type(field, text);
    }
}

void pasteOver(QWidget& control, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(&selectAll(control), Qt::Key_V, Qt::ControlModifier);
}

void loadSample(TQuorviInterpreter& window, const QString& code)
{
    typeOver(*window.SampleCodeEdit, code);
    clickInto(*window.LoadCodeData);
}

QString interpret(TQuorviInterpreter& window, const QString& parameter, const QString& prefix,
                  const QString& value, const QString& unit)
{
    if (!chooseWithMouse(*window.ParameterComboBox, parameter)) {
        return u"choose parameter "_s + parameter;
    }
    if (!chooseWithMouse(*window.PrefixComboBox, prefix)) {
        return u"choose prefix "_s + prefix;
    }
    typeOver(*window.valueEdit, value);
    if (!chooseWithMouse(*window.Unit, unit)) {
        return u"choose unit "_s + unit;
    }
    if (!window.process->isVisible()) {
        return u"\"Interpretation erstellen\" is not offered"_s;
    }
    clickInto(*window.process);
    return {};
}

bool enterValue(TQuorviInterpreter& window, const QString& parameter, const QString& value)
{
    if (!chooseWithMouse(*window.ParameterComboBox, parameter)) {
        return false;
    }
    chooseNextWithArrowKey(*window.PrefixComboBox);
    clickInto(*window.valueEdit);
    type(*window.valueEdit, value);
    return true;
}

bool fillInputs(TQuorviInterpreter& window, const QString& parameter, const QString& value,
                const QString& unit)
{
    return enterValue(window, parameter, value) && chooseWithMouse(*window.Unit, unit);
}

} // namespace drive
