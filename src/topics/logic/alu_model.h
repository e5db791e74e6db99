// Arithmetic and logic unit model: the 4-bit logic unit selected by a 2-bit
// operation code, and the accumulator's add sequence, with no drawing in them.
#pragma once

#include <QString>

namespace orr::logic {

// The output register of the logic unit, bit by bit over four bits: A AND B
// for code "00", A OR B for "01", A XOR B for "10" and NOT A for "11". Words
// are four binary digits, most significant first; a digit other than "0"
// reads as 1.
QString logicUnit(const QString& code, const QString& a4, const QString& b4);

// A word as the logic unit holds it: the last four characters of "0000"
// followed by the entered digits, each digit above 1 read as 1.
QString fourBitWord(double entered);

// The adder between the accumulator and register A. sum is the full sum;
// the accumulator keeps its low eight bits, and a sum above 255 sets the carry.
struct AccumulatorAdd {
    int sum = 0;
    bool carry = false;
    int stored = 0;
};
AccumulatorAdd accumulatorAdd(int accumulator, int registerA);

// Eight binary digits of the low eight bits of a value.
QString eightBits(int value);

}  // namespace orr::logic
