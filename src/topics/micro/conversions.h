// Number conversions of the simulated microprocessor: hexadecimal and binary
// texts as the register panels and the instruction set read and write them.
#pragma once

#include <QString>
#include <cstdint>

namespace orr::micro {

// Hexadecimal text to number: surrounding spaces trimmed, case ignored, an
// empty text is 0. Digits are weighed by their place counted from the right;
// any other character keeps its place but adds nothing. Up to seven digits
// convert exactly; longer texts (a negative number's two's complement) give a
// positive number above 255.
int32_t hexToNumber(const QString& text);

// The n binary digits of the magnitude of the number in a decimal text,
// rounded to a whole number: only the low n bits of a larger value, zeros in
// front of a smaller one.
QString numberToBinary(const QString& decimalText, int digits);
QString numberToBinary(int64_t value, int digits);

// Upper-case hexadecimal without leading zeros; a negative number gives the
// eight digits of its 32-bit two's complement.
QString numberToHex(int64_t value);

// A number as text with one leading space when it is not negative.
QString decimalText(int64_t value);

// Rightmost n characters of "0000" followed by text: how typed entries and
// register texts are padded to their width.
QString padHex(const QString& text, int width);

// Branch displacement of a two-digit operand in sign-and-magnitude form: bit
// 7 is the sign, bits 6..0 the size (06h is +6, 86h is -6, 80h is 0).
int32_t displacementFrom(const QString& operand);

}  // namespace orr::micro
