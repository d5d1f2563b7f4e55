// The real message boxes: title, icon, button, modality and place.
#include "app/qt/MessageBoxPresenter.h"
#include "app/qt/TextConversion.h"
#include "tests/support/window/MessageBoxWatcher.h"
#include "tests/support/window/WindowTestMain.h"

#include <QTest>

using namespace Qt::StringLiterals;

class MessageBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void shownBox_data();
    void shownBox();
};

void MessageBoxesTest::shownBox_data()
{
    QTest::addColumn<bool>("error");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");

    QTest::newRow("information") << false << u"Hinweis!\nZweite Zeile\n"_s << QMessageBox::NoIcon;
    QTest::newRow("error") << true << u"151: HTTP/1.1 404 Not Found."_s << QMessageBox::Critical;
    QTest::newRow("text that looks like markup")
        << false << u"Wert <b>5</b> < 10"_s << QMessageBox::NoIcon;
    QTest::newRow("empty error") << true << QString() << QMessageBox::Critical;
}

void MessageBoxesTest::shownBox()
{
    QFETCH(bool, error);
    QFETCH(QString, text);
    QFETCH(QMessageBox::Icon, icon);

    QList<ShownMessageBox> shown;
    MessageBoxWatcher watcher([&](const ShownMessageBox& box) { shown.append(box); });
    MessageBoxPresenter presenter;
    if (error) {
        presenter.error(toU16String(text));
    } else {
        presenter.inform(toU16String(text));
    }

    QCOMPARE(shown.size(), 1);
    const ShownMessageBox& box = shown.front();
    QCOMPARE(box.title, QCoreApplication::applicationName());
    QCOMPARE(box.title, u"app_message_boxes_tests"_s);
    QCOMPARE(box.text, text);
    QCOMPARE(box.textFormat, Qt::PlainText);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.buttonCount, 1);
    QCOMPARE(box.modality, Qt::ApplicationModal);
    QVERIFY(box.activeModal);
    QVERIFY2((box.centre - box.screenCentre).manhattanLength() <= 1,
             qPrintable(u"centre %1,%2"_s.arg(box.centre.x()).arg(box.centre.y())));
}

int main(int argc, char* argv[])
{
    return runWindowTest<MessageBoxesTest>(argc, argv);
}

#include "MessageBoxesTest.moc"
