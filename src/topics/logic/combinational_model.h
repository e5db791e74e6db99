// Combinational circuit model: the adders, the decoder, the encoder, the
// multiplexer, the mask and the parity generator of the combinational logic
// window, as pure functions of their inputs with no drawing in them.
//
// Multi-bit values are texts of binary digits, most significant first. A
// digit other than "0" reads as 1, so a value that reached a circuit with a
// stray digit is still simulated as logic levels.
#pragma once

#include <QString>
#include <array>

namespace orr::logic {

inline bool bitAt(const QString& digits, int i) { return i >= 0 && i < digits.size() && digits[i] != u'0'; }

struct HalfAdderOut {
    bool sum = false;
    bool carry = false;
};
HalfAdderOut halfAdder(bool a, bool b);

// A full adder built from two half adders and an OR gate: the first half
// adder takes A and B, the second takes its sum and the carry in.
struct FullAdderOut {
    bool sum1 = false;    // first half adder: A XOR B
    bool carry1 = false;  // first half adder: A AND B
    bool carry2 = false;  // second half adder: (A XOR B) AND Cin
    bool sum = false;
    bool carryOut = false;
};
FullAdderOut fullAdder(bool a, bool b, bool carryIn);

// Four full adders chained through their carries; stage 0 is the least
// significant (rightmost) one and its carry in is 0. The texts hold the
// columns left to right, like the written addition.
struct RippleAdd {
    QString a;         // four digits
    QString b;         // four digits
    QString carryIn;   // the carry into each column
    QString sum;       // four digits
    bool carryOut = false;

    // The result, with the carry out of the leftmost stage as its leading 1.
    QString result() const { return carryOut ? QStringLiteral("1") + sum : sum; }
    // The carry digits of the written addition, over the result's columns.
    QString carryRow() const { return carryOut ? QStringLiteral("1") + carryIn : carryIn; }
};
RippleAdd rippleAdd4(const QString& a4, const QString& b4);

// A binary number stored with its bits as decimal digits (1101 is binary
// 1101): its last n bits of the eight-character binary text.
QString lastBits(double stored, int n);
// The stored number with every decimal digit above 1 read as 1 (a pasted
// 1020 is simulated as 1010). Negative and fractional parts are dropped.
double binaryDigitsOnly(double stored);

// 2-to-4 line decoder: the one output line that is 1 (0 to 3) for address A1 A0.
int decoderLine(bool a0, bool a1);
std::array<bool, 4> decoderOutputs(bool a0, bool a1);

// Decimal-to-BCD encoder: the four BCD lines 8's 4's 2's 1's of a digit 0 to 9.
QString bcdOf(int digit);

// 4-to-1 multiplexer over D3..D0 (most significant first): the data bit the
// address A1 A0 selects.
bool multiplex(const QString& d3to0, bool a0, bool a1);

// Data masking: each output bit is the data bit AND the mask bit.
QString maskBits(const QString& data, const QString& mask);

// Parity over D3..D0: the even parity bit makes the count of 1s even; the odd
// parity bit is its complement.
bool evenParity(const QString& d3to0);
inline bool oddParity(const QString& d3to0) { return !evenParity(d3to0); }

}  // namespace orr::logic
