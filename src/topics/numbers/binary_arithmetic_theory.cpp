// The theory paragraphs of the BinaryArithmetic examples.
#include "topics/numbers/binary_arithmetic.h"

namespace orr {

void binaryArithmeticTheory(int e, std::array<QString, 4>& p)
{
    for (QString& s : p)
        s.clear();
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "A computer stores only 0s and 1s, so the sign of a number has to be coded as a bit too. In sign and "
            "magnitude form the leftmost bit is the sign bit: 0 for a positive number and 1 for a negative one. The "
            "remaining bits hold the size of the number, its magnitude, exactly as plain binary would.");
        p[1] = QStringLiteral(
            "The magnitude is converted in two parts. The integer part is divided by 2 again and again, the "
            "remainders read from the last to the first; the fractional part is doubled again and again, the whole "
            "parts read from the first to the last. -56.125 gives 111000 and .001, with sign bit 1.");
        p[2] = QStringLiteral(
            "Sign and magnitude is easy to read, but it has two zeros (+0 and -0) and the sign bit needs separate "
            "treatment when numbers are added, which is why arithmetic circuits prefer the complement forms.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "The ones complement of a binary number is found by inverting every bit: each 0 becomes 1 and each 1 "
            "becomes 0. A negative number is written as the ones complement of its magnitude, while a positive "
            "number is left unchanged.");
        p[1] = QStringLiteral(
            "Inverting is quick for hardware, a row of NOT gates, and adding a number to its ones complement gives "
            "all 1s. Like sign and magnitude, though, ones complement still has two zeros, 0000 and 1111, and an "
            "addition that carries out of the top bit needs that carry added back in at the bottom.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "Twos complement is the way almost every processor stores negative whole numbers. To make a number "
            "negative, write its magnitude in the full number of bits, invert every bit (the ones complement) and "
            "then add 1 using the ordinary binary addition rules.");
        p[1] = QStringLiteral(
            "It works because in eight bits the number 256 cannot be held: it wraps round to 0. Inverting a byte "
            "gives 255 minus the byte, so adding 1 gives 256 minus it, and adding that to the original number gives "
            "256, which is 0 once the carry out of the top bit is dropped. So the twos complement behaves exactly "
            "like the negative number.");
        p[2] = QStringLiteral(
            "There is only one zero, and subtraction becomes addition, so one adder circuit does both jobs. With "
            "eight bits and the sign held in the top bit the range is -128 to +127; this example keeps the sign bit "
            "beside the eight digits so that magnitudes up to 255 can be shown.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "Binary coded decimal (BCD) codes each decimal digit separately in four bits, looked up in the table: "
            "45679 becomes 0100 0101 0110 0111 1001. Pure binary instead converts the whole number at once and "
            "gives a shorter code.");
        p[1] = QStringLiteral(
            "Four bits can hold sixteen patterns but only ten digits are needed, so the six codes for 10 to 15 are "
            "never used (redundant states) and BCD wastes space. Its advantage is that each digit can be sent "
            "straight to a display, such as a calculator or clock digit, without a conversion.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "Binary numbers are added column by column from the right, just like decimal ones, but a column "
            "overflows as soon as its total reaches 2. The rules are 0 + 0 = 0, 0 + 1 = 1, 1 + 1 = 0 carry 1 and, "
            "with a carry coming in, 1 + 1 + 1 = 1 carry 1.");
        p[1] = QStringLiteral(
            "The carry row shows where a 1 is carried into the next column. A carry out of the leftmost column "
            "becomes a new leftmost digit of the result, so the sum may be one digit longer than either number. "
            "Converting the result back to decimal checks the working.");
        break;
    case 5:
        p[0] = QStringLiteral(
            "A processor subtracts by adding. To work out A - B it forms the twos complement of B (invert every "
            "bit and add 1) and adds it to A, using the same adder as for addition.");
        p[1] = QStringLiteral(
            "Both numbers must have the same number of digits first. When A is at least B the addition produces a "
            "carry out of the leftmost column; that carry is discarded and the remaining digits are the difference. "
            "When A is smaller there is no carry and the result is the twos complement of a negative answer.");
        break;
    case 6:
        p[0] = QStringLiteral(
            "Floating point numbers hold very large and very small values in a fixed number of bits by splitting "
            "them into a mantissa and an exponent, as standard form does in decimal: 233678000000 is "
            "2.33678 x 10 to the power 11.");
        p[1] = QStringLiteral(
            "In binary the mantissa is a fraction held in twos complement with a sign bit and a binary point after "
            "it, and the exponent is a whole number, also in twos complement, giving the power of 2. The mantissa is "
            "normalised: the point is moved until the first bit after it differs from the sign bit (0.1... for a "
            "positive value, 1.0... for a negative one), so no bits are wasted on leading zeros.");
        p[2] = QStringLiteral(
            "The decimal exponent of the entered number stays with its standard form: a six-bit exponent only "
            "reaches 2 to the power 31, so here only the entered mantissa is coded in binary. Its exponent says how "
            "many places the binary point moved.");
        p[3] = QStringLiteral(
            "Ten mantissa bits keep only nine bits of fraction, about three significant decimal figures. The Check "
            "line converts the fields back: 233.678 is held as 233.5. More mantissa bits give more precision; more "
            "exponent bits give a wider range.");
        break;
    default: break;
    }
}

}  // namespace orr
