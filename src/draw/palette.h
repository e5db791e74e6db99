// The sixteen colour numbers every diagram is drawn with, named once. The
// names are those of the colours the numbers give (the classic 16-colour
// palette: 1 is navy, 9 is blue; 4 is maroon, 12 is red), so a reader knows a
// colour by one name wherever it is used. Colour 7 draws in the system's
// button-face colour, which is silver on the standard scheme.
#pragma once

namespace orr::colour {

inline constexpr long Black = 0;
inline constexpr long Navy = 1;
inline constexpr long Green = 2;
inline constexpr long Teal = 3;
inline constexpr long Maroon = 4;
inline constexpr long Purple = 5;
inline constexpr long Olive = 6;
inline constexpr long ButtonFace = 7;
inline constexpr long Grey = 8;
inline constexpr long Blue = 9;
inline constexpr long Lime = 10;
inline constexpr long Cyan = 11;
inline constexpr long Red = 12;
inline constexpr long Magenta = 13;
inline constexpr long Yellow = 14;
inline constexpr long White = 15;

// Roles the logic and circuit diagrams share: the colour an input level and an
// output level are drawn in, and the colour of titles and notes.
inline constexpr long InputLevel = Red;
inline constexpr long OutputLevel = Blue;
inline constexpr long Title = Navy;
// A lamp drawn lit, and drawn out.
inline constexpr long LampLit = Yellow;
inline constexpr long LampOff = White;

// The colour number of channel intensities 0 to 255 (0x00BBGGRR). The few
// darkest reds whose numbers would fall on the palette's 0 to 15 are black.
constexpr long rgb(int red, int green, int blue)
{
    const long v = long(red & 255) | long(green & 255) << 8 | long(blue & 255) << 16;
    return v < 16 ? Black : v;
}

}  // namespace orr::colour
