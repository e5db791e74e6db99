// Shift register model: the stage boxes of the shift register windows after
// n clock pulses, computed from the data word alone, so a register never
// holds anything the word and the pulse count do not say.
#pragma once

#include <QString>
#include <array>

namespace orr::seq {

// The last pulse count a shift register window advances to.
constexpr int kLastShift = 13;
using Stages = std::array<bool, 4>;

// The eight binary digits of a word entered as a number whose decimal digits
// are the binary digits (11101011); a digit above 1 counts as 1, and only the
// eight lowest digits are used.
QString wordDigits(double word);
// The four least significant bits of such a word, bit k at index k.
Stages parallelBits(double word);

// The stream the serial registers read from: "0000", the eight digits and
// "0000", reversed; the four characters from position n + 1 (counted from 1).
// A position past the end reads "0".
QString shiftWindow(const QString& digits, int n);

// Boxes 1 to 4 (left to right, index 0 to 3) after n pulses. Right shift:
// box p shows digit 8 - n + p; left shift: box p shows digit 13 - n - p
// (digits d1 to d8 from the left, any other index 0).
Stages rightShift(const QString& digits, int n);
Stages leftShift(const QString& digits, int n);

// Parallel load: before the first pulse every stage is 0; after n >= 1
// pulses stage Qk holds bit k - n + 1 of the word (0 outside 0 to 3).
Stages parallelShift(const Stages& bits, int n);

}  // namespace orr::seq
