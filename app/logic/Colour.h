#pragma once

#include <cstdint>

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(Rgb, Rgb) = default;
};

// Background colours of the input controls: yellow still to be filled in, lime filled
// in, red emptied; green marks a unit chosen from the list for one step. Sky blue is the
// window's own background.
namespace colours {

inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kSkyBlue{166, 202, 240};
// Text of disabled controls: readable (over 4.5 : 1) on white and on the boxes' colours.
inline constexpr Rgb kGreyedText{96, 96, 96};

} // namespace colours
