// Texts a user must read stand out from their background by at least 4.5 : 1, measured on
// the screen under Xvfb, under a light and under a dark desktop palette.
#include "ClickLabel.h"
#include "ComboBox.h"
#include "EditBox.h"
#include "RecordingPresenter.h"
#include "TQuorviInterpreter.h"
#include "TextArea.h"
#include "WindowDriver.h"
#include "WindowTestMain.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <map>

using namespace Qt::StringLiterals;

namespace {

double luminance(QRgb pixel)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) +
           0.0722 * channel(qBlue(pixel));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a control's text: its most frequent pixel is the background, the pixel
// that differs most from it is the text's own colour (edges only blend the two).
double textContrast(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y) | 0xff000000];
        }
    }
    QRgb background = 0;
    int most = 0;
    for (const auto& [pixel, count] : counts) {
        if (count > most) {
            most = count;
            background = pixel;
        }
    }
    double best = 1.0;
    for (const auto& [pixel, count] : counts) {
        best = std::max(best, contrast(pixel, background));
    }
    return best;
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
