#pragma once

#include "app/logic/Colour.h"

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

// Texts and colours cross between the window and the Qt-free layers as UTF-16 and RGB.
inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string toU16String(const QString& text)
{
    return text.toStdU16String();
}

inline QColor toQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}
