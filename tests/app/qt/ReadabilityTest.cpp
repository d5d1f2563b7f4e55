// Texts a user must read stand out from their background by at least 4.5 : 1, measured on
// the screen under Xvfb, under a light and under a dark desktop palette.
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/controls/ClickLabel.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "app/qt/controls/TextArea.h"
#include "tests/support/TextContrast.h"
#include "tests/support/window/RecordingPresenter.h"
#include "tests/support/window/WindowDriver.h"
#include "tests/support/window/WindowTestMain.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The contrast of the text in an area of the image.
double textContrast(const QImage& image, const QRect& area)
{
    std::vector<std::uint32_t> pixels;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            pixels.push_back(image.pixel(x, y));
        }
    }
    return quorvi::test::textContrast(pixels);
}

QPalette darkDesktop()
{
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    return dark;
}

} // namespace

class ReadabilityTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(QPalette()); }
    void textsStandOutFromTheirBackground_data();
    void textsStandOutFromTheirBackground();
};

void ReadabilityTest::textsStandOutFromTheirBackground_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light desktop") << false;
    QTest::newRow("dark desktop") << true;
}

void ReadabilityTest::textsStandOutFromTheirBackground()
{
    QFETCH(bool, dark);
    if (dark) {
        QApplication::setPalette(darkDesktop());
    }
    RecordingPresenter messages;
    TQuorviInterpreter w(messages, u"https://127.0.0.1:1/");
    QVERIFY(drive::showActive(w));
    // A loaded sample: the disabled boxes and the intro area show the documents' texts.
    w.SampleNameEdit->setText(u"Küche Erdgeschoss, Kaltwasser"_s);
    w.SampleTypeEdit->setText(u"Trinkwasser"_s);
    w.disclaimer->setText(u"Die folgende Interpretation vergleicht Ihren Messwert mit dem "
                          u"Grenzwert der Trinkwasserverordnung."_s);
    w.interpretation->setText(u"HTTP/1.1 200 OK"_s);

    // What the screen shows (under Xvfb), as a user sees it.
    QTest::qWait(200);
    const QImage image = w.screen()->grabWindow(w.winId()).toImage();
    QVERIFY(!image.isNull());
    const QWidget* controls[] = {w.SampleNameEdit,    w.SampleTypeEdit, w.disclaimer,
                                 w.interpretation,    w.SampleCodeEdit, w.LoadCodeData,
                                 w.ParameterComboBox, w.LabelCode,      w.Impressum};
    for (const QWidget* control : controls) {
        // Inside the frame, where the text is.
        const QRect area =
            QRect(control->mapTo(&w, QPoint(0, 0)), control->size()).adjusted(3, 3, -3, -3);
        const double ratio = textContrast(image, area);
        QVERIFY2(ratio >= 4.5, qPrintable(u"%1: %2 : 1"_s.arg(control->objectName()).arg(ratio)));
    }
}

int main(int argc, char* argv[])
{
    return runWindowTest<ReadabilityTest>(argc, argv);
}

#include "ReadabilityTest.moc"
