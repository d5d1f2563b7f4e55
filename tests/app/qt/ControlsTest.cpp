// The event semantics of the controls layer, driven with real mouse and key input.
#include "app/qt/controls/BackgroundColour.h"
#include "app/qt/controls/ClickLabel.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "app/qt/controls/TextArea.h"
#include "tests/support/window/WindowDriver.h"
#include "tests/support/window/WindowTestMain.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QStringList kUnits = {u"µg/L"_s, u"mg/L"_s, u"KBE/1mL"_s};

// A box in a shown window, and the events it raised with the text it showed at the time.
struct ComboFixture {
    ComboFixture()
    {
        auto* layout = new QVBoxLayout(&window);
        box = new ComboBox(&window);
        other = new QLineEdit(&window);
        layout->addWidget(box);
        layout->addWidget(other);
        for (const QString& unit : kUnits) {
            box->appendItem(unit);
        }
        box->setText(u"Einheit"_s);
        QObject::connect(box, &ComboBox::clicked, [this] { record(u"click"_s); });
        QObject::connect(box, &ComboBox::changed, [this] { record(u"change"_s); });
        QObject::connect(box, &ComboBox::droppedDown, [this] {
            record(box->view()->isVisible() ? u"drop-down after opening"_s : u"drop-down"_s);
        });
    }

    void record(const QString& event) { events.append(event + u' ' + box->text()); }

    QWidget window;
    ComboBox* box;
    QLineEdit* other;
    QStringList events;
};

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void comboBoxListChoice_data();
    void comboBoxListChoice();
    void comboBoxTypingRaisesChangeForEachEdit();
    void comboBoxReturnAndLeavingChooseNothing();
    void comboBoxOpeningTheListRaisesDropDownFirst();
    void comboBoxAddingItemsKeepsTheText();
    void comboBoxClearingItemsKeepsTheText();
    void comboBoxProgrammaticTextRaisesNothing();

    void editBoxChange_data();
    void editBoxChange();
    void editBoxClick();

    void textAreaLines_data();
    void textAreaLines();

    void clickLabel();
    void backgroundColourReadsBack();
};

void ControlsTest::comboBoxListChoice_data()
{
    QTest::addColumn<bool>("withMouse");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("mouse") << true
                           << QStringList{u"drop-down Einheit"_s, u"click mg/L"_s,
                                          u"change mg/L"_s};
    QTest::newRow("arrow key") << false << QStringList{u"click µg/L"_s, u"change µg/L"_s};
}

void ControlsTest::comboBoxListChoice()
{
    QFETCH(bool, withMouse);
    QFETCH(QStringList, expected);

    ComboFixture f;
    QVERIFY(drive::showActive(f.window));
    if (withMouse) {
        QVERIFY(drive::chooseWithMouse(*f.box, u"mg/L"_s));
    } else {
        drive::chooseNextWithArrowKey(*f.box);
    }
    QCOMPARE(f.events, expected);
    QCOMPARE(f.box->count(), kUnits.size());
}

void ControlsTest::comboBoxTypingRaisesChangeForEachEdit()
{
    ComboFixture f;
    QVERIFY(drive::showActive(f.window));
    f.box->setFocus();
    f.box->lineEdit()->selectAll();
    drive::type(*f.box, u"ab"_s);
    QTest::keyClick(f.box, Qt::Key_Backspace);
    QCOMPARE(f.events, (QStringList{u"change a"_s, u"change ab"_s, u"change a"_s}));
}

void ControlsTest::comboBoxReturnAndLeavingChooseNothing()
{
    ComboFixture f;
    QVERIFY(drive::showActive(f.window));
    f.box->setFocus();
    f.box->lineEdit()->selectAll();
    drive::type(*f.box, u"mg/L"_s);
    f.events.clear();

    QTest::keyClick(f.box, Qt::Key_Return);
    QTest::keyClick(f.box, Qt::Key_Enter);
    f.other->setFocus();
    QTRY_VERIFY(f.other->hasFocus());

    QVERIFY(f.events.isEmpty());
    QCOMPARE(f.box->currentIndex(), -1);
    QCOMPARE(f.box->text(), u"mg/L"_s);
    QCOMPARE(f.box->count(), kUnits.size());
}

void ControlsTest::comboBoxOpeningTheListRaisesDropDownFirst()
{
    ComboFixture f;
    QVERIFY(drive::showActive(f.window));
    QVERIFY(drive::openListWithMouse(*f.box));
    QTest::keyClick(f.box->view(), Qt::Key_Escape);
    QTRY_VERIFY(!f.box->view()->isVisible());

    f.box->setFocus();
    QTest::keyClick(f.box, Qt::Key_F4);
    QTRY_VERIFY(f.box->view()->isVisible());
    QTest::keyClick(f.box->view(), Qt::Key_Escape);
    QTRY_VERIFY(!f.box->view()->isVisible());

    QCOMPARE(f.events, (QStringList{u"drop-down Einheit"_s, u"drop-down Einheit"_s}));
    QCOMPARE(f.box->text(), u"Einheit"_s);
}

void ControlsTest::comboBoxAddingItemsKeepsTheText()
{
    ComboBox box;
    QSignalSpy changes(&box, &ComboBox::changed);
    box.setText(u"-bitte auswählen-"_s);
    box.appendItem(u"Blei"_s);
    box.appendItem(u"Nitrat"_s);

    QCOMPARE(box.text(), u"-bitte auswählen-"_s);
    QCOMPARE(box.currentIndex(), -1);
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.itemText(0), u"Blei"_s);
    QCOMPARE(box.itemText(1), u"Nitrat"_s);
    QCOMPARE(changes.count(), 0);
}

void ControlsTest::comboBoxClearingItemsKeepsTheText()
{
    ComboFixture f;
    QVERIFY(drive::showActive(f.window));
    QVERIFY(drive::chooseWithMouse(*f.box, u"KBE/1mL"_s));
    f.events.clear();

    f.box->clearItems();
    QCOMPARE(f.box->count(), 0);
    QCOMPARE(f.box->text(), u"KBE/1mL"_s);
    QCOMPARE(f.box->currentIndex(), -1);
    QVERIFY(f.events.isEmpty());
}

void ControlsTest::comboBoxProgrammaticTextRaisesNothing()
{
    ComboBox box;
    QSignalSpy changes(&box, &ComboBox::changed);
    QSignalSpy clicks(&box, &ComboBox::clicked);
    box.appendItem(u"keins"_s);
    box.setText(u"Vorzeichen"_s);
    QCOMPARE(box.text(), u"Vorzeichen"_s);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(clicks.count(), 0);
}

void ControlsTest::editBoxChange_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("changes");

    QTest::newRow("different text") << u"5,5"_s << u"5.5"_s << 1;
    QTest::newRow("same text") << u"5.5"_s << u"5.5"_s << 0;
    QTest::newRow("emptied") << u"5"_s << QString() << 1;
}

void ControlsTest::editBoxChange()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, changes);

    EditBox edit;
    edit.setText(before);
    QSignalSpy spy(&edit, &EditBox::changed);
    edit.setText(after);
    QCOMPARE(spy.count(), changes);
}

void ControlsTest::editBoxClick()
{
    QWidget window;
    auto* edit = new EditBox(&window);
    edit->setGeometry(10, 10, 100, 21);
    QVERIFY(drive::showActive(window));
    QSignalSpy clicks(edit, &EditBox::clicked);
    QSignalSpy changes(edit, &EditBox::changed);

    drive::clickInto(*edit);
    QCOMPARE(clicks.count(), 1);
    drive::type(*edit, u"12"_s);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(clicks.count(), 1);
}

void ControlsTest::textAreaLines_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("appended");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first line of an empty area")
        << QString() << QStringList{u"eins"_s} << u"eins\n"_s;
    QTest::newRow("after a text without break")
        << u"HTTP/1.1 200 OK"_s << QStringList{u"zwei"_s} << u"HTTP/1.1 200 OKzwei\n"_s;
    QTest::newRow("breaks inside kept")
        << QString() << QStringList{u"a\nb"_s, u"c\r\n"_s} << u"a\nb\nc\r\n\n"_s;
    QTest::newRow("empty line") << QString() << QStringList{QString()} << u"\n"_s;
}

void ControlsTest::textAreaLines()
{
    QFETCH(QString, start);
    QFETCH(QStringList, appended);
    QFETCH(QString, expected);

    TextArea area;
    area.setText(start);
    for (const QString& line : appended) {
        area.appendLine(line);
    }
    QCOMPARE(area.text(), expected);
    QCOMPARE(area.toPlainText(), QString(expected).replace(u"\r\n"_s, u"\n"_s));
}

void ControlsTest::clickLabel()
{
    QWidget window;
    auto* label = new ClickLabel(u"Kundendienst"_s, &window);
    label->adjustSize();
    QVERIFY(drive::showActive(window));
    QSignalSpy clicks(label, &ClickLabel::clicked);
    drive::clickInto(*label);
    QCOMPARE(clicks.count(), 1);
}

void ControlsTest::backgroundColourReadsBack()
{
    ComboBox box;
    const QColor lime(0, 255, 0);
    setBackgroundColour(box, lime);
    QCOMPARE(backgroundColour(box), lime);
    QCOMPARE(backgroundColour(*box.lineEdit()), lime);
}

int main(int argc, char* argv[])
{
    return runWindowTest<ControlsTest>(argc, argv);
}

#include "ControlsTest.moc"
