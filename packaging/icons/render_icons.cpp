// Draws the product symbol, the window icon, the application icons and the logo.
// Usage: render_icons <output folder>

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QColor ink(24, 66, 122);
const QColor water(64, 156, 222);
const QColor waterDeep(22, 104, 184);
const QColor amber(240, 160, 32);

// The symbol: a "Q" ring holding a water drop, its tail a short amber stroke. Drawn into
// the square (0, 0, size, size) of the painter.
void drawSymbol(QPainter& painter, qreal size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);

    // Small sizes get thicker lines so the ring stays visible.
    const qreal ring = size < 32 ? 14.0 : 10.0;
    painter.setPen(QPen(ink, ring, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(8 + ring / 2, 6 + ring / 2, 80 - ring, 80 - ring));

    QPainterPath drop;
    drop.moveTo(48, 20);
    drop.cubicTo(56, 34, 66, 44, 66, 56);
    drop.cubicTo(66, 67, 58, 74, 48, 74);
    drop.cubicTo(38, 74, 30, 67, 30, 56);
    drop.cubicTo(30, 44, 40, 34, 48, 20);
    QLinearGradient fill(QPointF(36, 24), QPointF(60, 74));
    fill.setColorAt(0, water.lighter(125));
    fill.setColorAt(1, waterDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(drop);

    if (size >= 24) {
        painter.setBrush(QColor(255, 255, 255, 170));
        painter.drawEllipse(QRectF(38, 50, 7, 12));
    }

    painter.setPen(QPen(amber, ring + 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(70, 72), QPointF(90, 92));
    painter.restore();
}

QImage symbol(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawSymbol(painter, size);
    return image;
}

// The font's largest pixel size at which the text fits the width.
QFont fitted(const QString& text, bool bold, int width, int largest)
{
    QFont font(u"DejaVu Sans"_s);
    font.setBold(bold);
    for (int pixels = largest; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return font;
}

QImage logo()
{
    QImage image(170, 72, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(2, 6);
    drawSymbol(painter, 60);
    painter.resetTransform();
    painter.setRenderHint(QPainter::TextAntialiasing);

    const int left = 66;
    const int width = image.width() - left - 2;
    const QString name = u"Quorvi "_s;
    const QString version = u"V2"_s;
    painter.setFont(fitted(name + version, true, width, 28));
    painter.setPen(ink);
    painter.drawText(QPointF(left, 38), name);
    painter.setPen(amber);
    painter.drawText(QPointF(left + painter.fontMetrics().horizontalAdvance(name), 38), version);

    const QString line = u"Messwert-Interpretation"_s;
    painter.setFont(fitted(line, false, width, 11));
    painter.setPen(ink.lighter(140));
    painter.drawText(QPointF(left + 1, 56), line);
    return image;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An icon file with one PNG-compressed image per size.
bool writeIco(const QString& path, const QList<QImage>& images)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QList<QByteArray> data;
    for (const QImage& image : images) {
        data.append(png(image));
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        out << quint8(size >= 256 ? 0 : size) << quint8(size >= 256 ? 0 : size) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(data[i].size()) << offset;
        offset += data[i].size();
    }
    for (const QByteArray& bytes : data) {
        out.writeRawData(bytes.constData(), int(bytes.size()));
    }
    return out.status() == QDataStream::Ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_icons <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = logo().save(out.filePath(u"logo.png"_s));
    ok = symbol(128).save(out.filePath(u"window-128.png"_s)) && ok;
    QList<QImage> appIcons;
    for (int size : {16, 24, 32, 48, 256}) {
        appIcons.append(symbol(size));
        ok = appIcons.back().save(out.filePath(u"app-%1.png"_s.arg(size))) && ok;
    }
    ok = writeIco(out.filePath(u"QuorviV2.ico"_s), appIcons) && ok;
    return ok ? 0 : 1;
}
