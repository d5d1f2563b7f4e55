#pragma once

#include <QColor>

// Background colours of the input controls: yellow still to be filled in, lime filled
// in, red emptied; green marks a unit chosen from the list for one step.
namespace colours {

inline const QColor yellow{255, 255, 0};
inline const QColor lime{0, 255, 0};
inline const QColor green{0, 128, 0};
inline const QColor red{255, 0, 0};
inline const QColor skyBlue{166, 202, 240};

} // namespace colours
