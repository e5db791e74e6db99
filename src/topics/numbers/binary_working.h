// Signed and coded binary numbers and binary column arithmetic as plain
// workings: sign and magnitude, ones and twos complement, BCD, addition with
// carries and subtraction by adding the twos complement. Each function returns
// the rows of its working; the BinaryArithmetic window only lays them out.
#pragma once

#include <QString>
#include <QStringList>

namespace orr::numbers {

// Texts of "0" and "1" digits.
QString invertBits(const QString& bits);

// Column addition of two digit texts (the shorter is padded on the left).
// carries holds the carry into each column, one digit longer than the
// inputs: its last digit is the (always 0) carry into the units column and its
// first digit the carry out of the leftmost column. sum keeps every digit,
// the carry out included when it is 1.
struct BinarySum {
    QString a, b;       // the inputs, padded to one length
    QString carries;    // a.size() + 1 digits
    QString sum;        // a.size() digits, or one more with a carry out
    bool carryOut = false;
};
BinarySum addBinary(const QString& a, const QString& b);

// Sign and magnitude of a decimal number: the magnitude's integer part by
// repeated division, its fraction by repeated doubling cut to maxFractionBits
// (the fraction row of a board is limited). Digits of the ones complement
// invert both parts for a negative number.
struct SignMagnitude {
    bool negative = false;
    int signBit = 0;
    QString integerBits;
    QString fractionBits;   // empty when the magnitude is whole
    bool fractionCut = false;  // more bits would follow
    QString onesInteger;    // the ones complement digits (unchanged when positive)
    QString onesFraction;
    bool tooLong = false;   // the integer part needs more than maxIntegerBits digits
};
SignMagnitude signAndMagnitude(double value, int maxFractionBits = 12, int maxIntegerBits = 40);

// Twos complement of an integer of magnitude at most 255 in eight digits.
struct TwosComplement {
    bool negative = false;
    int signBit = 0;
    QString binary;   // the magnitude, eight digits
    QString ones;     // inverted for a negative number, else the binary string
    BinarySum addOne; // ones + 00000001, for a negative number
    QString twos;     // eight digits: the sum without its carry out, or the binary string
};
TwosComplement twosComplement(int value);

// Twos complement of a digit text in its own width: invert and add 1.
QString twosComplementOf(const QString& bits);

// Binary coded decimal from the digit table: one group of four bits per
// decimal digit, most significant first.
struct BcdWorking {
    QString digits;       // "45679"
    QString binary;       // the plain binary text, for comparison
    QStringList groups;   // "0100", "0101", ...
    QString coded() const { return groups.join(QLatin1Char(' ')); }
};
BcdWorking bcd(long long value);

// The binary text of a whole number for the column sums: "0" becomes "0000",
// others are padded on the left to at least four digits.
QString columnBinary(long long value);

// A + B column by column.
struct BinaryAddition {
    long long a = 0, b = 0;
    BinarySum sum;
    long long total() const { return a + b; }
};
BinaryAddition binaryAddition(long long a, long long b);

// A - B by adding the twos complement of B in the width of the longer
// input; the carry out of the leftmost column is discarded. Without a carry
// out the difference is negative and the digits are its twos complement.
struct BinarySubtraction {
    long long a = 0, b = 0;
    QString aBits, bBits;   // padded to one width
    QString bOnes;          // B inverted
    QString bTwos;          // B inverted plus 1
    BinarySum sum;          // aBits + bTwos
    QString difference;     // sum without the carry out, aBits.size() digits
    bool discardCarry = false;
    QString magnitude;      // the difference's magnitude digits when it is negative
    long long total() const { return a - b; }
};
BinarySubtraction binarySubtraction(long long a, long long b);

// Value of a text of binary digits.
long long bitsValue(const QString& bits);

}  // namespace orr::numbers
