// The theory paragraphs of the BinaryNumbers examples.
#include "topics/numbers/binary_numbers.h"

namespace orr {

void binaryNumbersTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "Every number system we use is positional: the value of a digit depends on where it stands. In decimal "
            "each place is worth ten times the place to its right (units, tens, hundreds). Binary works the same way "
            "with only two digits, 0 and 1, and each place is worth twice the one to its right: 1, 2, 4, 8, 16, 32, "
            "64 and 128 for the eight bits of a byte.");
        p[1] = QStringLiteral(
            "To turn a whole decimal number into binary, divide it by 2 and write down the remainder, which can only "
            "be 0 or 1. Divide the quotient by 2 again, and keep going until the quotient is 0. Each remainder is "
            "one binary digit.");
        p[2] = QStringLiteral(
            "The first division tells you whether the number is odd or even, so its remainder is the units bit, the "
            "least significant bit. Each further division halves the number and uncovers the next bit to the left. "
            "That is why the answer is read from the bottom remainder up to the top one.");
        p[3] = QStringLiteral(
            "Eight bits can hold the values 0 to 255, so the result is padded on the left with zeros to make a full "
            "byte: 125 becomes 01111101. You can check the answer by adding the place values of the 1 bits: "
            "64 + 32 + 16 + 8 + 4 + 1 = 125.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "A binary number is read just like a decimal one, except that the place values are powers of two. The "
            "rightmost bit is in position n = 0 and is worth 2 to the power 0, which is 1; the next is worth 2, then "
            "4, 8 and so on, doubling each time you move one place to the left.");
        p[1] = QStringLiteral(
            "To convert to decimal, write the place weighting above each bit, multiply each bit by its weighting and "
            "add the results. Because a bit is either 0 or 1, this simply means adding up the weightings of the "
            "places that hold a 1.");
        p[2] = QStringLiteral(
            "For an eight-bit value the weightings are 128, 64, 32, 16, 8, 4, 2 and 1, so 11011011 is "
            "128 + 64 + 16 + 8 + 2 + 1 = 219. The largest eight-bit value, 11111111, is 255, one less than the next "
            "power of two, 256.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "A decimal number with a fractional part is converted in two halves. The integer part is divided by 2 "
            "repeatedly exactly as for whole numbers, and its remainders are read from the bottom up. The fractional "
            "part is handled the other way round: it is multiplied by 2 repeatedly.");
        p[1] = QStringLiteral(
            "Doubling a fraction moves the binary point one place to the right, so the whole-number part of each "
            "product (0 or 1) is the next binary digit after the point. That digit is removed, the fraction that "
            "remains is doubled again, and the digits are read from the top down, first digit nearest the point.");
        p[2] = QStringLiteral(
            "Many decimal fractions have no exact binary equivalent: 0.1, for example, repeats forever in binary, "
            "just as one third repeats in decimal. The doubling is therefore stopped when the fraction becomes 0 or "
            "when enough digits have been found, and the binary result is then a close approximation.");
        p[3] = QStringLiteral(
            "The products on the board are shown rounded to two decimal places to keep the working readable, but "
            "each binary digit is taken from the exact value. Joining the two halves with a binary point gives the "
            "binary equivalent, for example 25.5 = 11001.1.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "The positions after a binary point carry on the pattern of halving: the first place is worth one half "
            "(2 to the power -1), the next one quarter, then one eighth, one sixteenth and so on. The places before "
            "the point are the familiar 1, 2, 4, 8 and upward.");
        p[1] = QStringLiteral(
            "Each digit is multiplied by the weighting of its position and the weighted values are added. The sum "
            "of the integer places gives the integer part, the sum of the fractional places the fractional part, "
            "and together they are the decimal equivalent: 1101.101 is 8 + 4 + 1 + 1/2 + 1/8 = 13.625.");
        p[2] = QStringLiteral(
            "The value entered is held as a single-precision number, which keeps only about seven significant "
            "digits. Longer inputs are shortened, so 111.11111111 is taken as 111.1111. Real computers face the same "
            "limit: a fixed number of bits can only hold a fixed number of binary places.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "Octal is base eight, using the digits 0 to 7. Because eight is 2 to the power 3, every octal digit "
            "stands for exactly three bits, and the quickest way from decimal to octal is to go through binary "
            "first.");
        p[1] = QStringLiteral(
            "The integer part is converted to binary by repeated division by 2. Its bits are then split into groups "
            "of three starting from the binary point and working left, with zeros added at the front to fill the "
            "last group. Each group is looked up in the table to give one octal digit.");
        p[2] = QStringLiteral(
            "The fractional part is converted by repeated doubling, and its bits are grouped in threes starting "
            "from the point and working right, with zeros added at the end. Grouping always starts at the point, "
            "because that is where each group of three lines up with one octal place.");
        p[3] = QStringLiteral(
            "Octal was popular on early computers whose word lengths were multiples of three bits. It is still seen "
            "today, for example in the file permissions of Unix systems, where each octal digit holds the three "
            "read, write and execute bits.");
        break;
    case 5:
        p[0] = QStringLiteral(
            "An octal number is converted to decimal in the same way as a binary one, but the place weightings are "
            "powers of eight: 1, 8, 64, 512 and so on to the left of the point, and 1/8, 1/64, 1/512 to the right "
            "of it.");
        p[1] = QStringLiteral(
            "Each octal digit is multiplied by the weighting of its position and the results are added. For example "
            "127 in octal is 1 × 64 + 2 × 8 + 7 × 1 = 87 in decimal, and the fractional digit .5 adds 5/8 = 0.625.");
        p[2] = QStringLiteral(
            "Only the digits 0 to 7 exist in octal, so the digits 8 and 9 cannot be entered. An octal number can "
            "also be turned into binary digit by digit, each digit becoming its three bits from the table, which is "
            "a useful way to check the working.");
        break;
    case 6:
        p[0] = QStringLiteral(
            "Hexadecimal is base sixteen. It needs sixteen digit symbols, so after 0 to 9 the letters A to F stand "
            "for the values 10 to 15. Sixteen is 2 to the power 4, so one hexadecimal digit holds exactly four bits "
            "and two digits describe a whole byte.");
        p[1] = QStringLiteral(
            "The conversion goes through binary. The integer bits from repeated division are grouped in fours from "
            "the point to the left, the fractional bits from repeated doubling in fours from the point to the right, "
            "padding with zeros where a group is short. Each group of four is read from the table as one digit.");
        p[2] = QStringLiteral(
            "Only as many fractional bits are kept as the decimal fraction justifies, three for each character of "
            "the fractional text, so that the hexadecimal fraction is about as precise as the decimal one and does "
            "not pretend to more accuracy than was entered.");
        p[3] = QStringLiteral(
            "Programmers use hexadecimal because it is compact and converts to binary at a glance: memory addresses, "
            "colour values and machine codes are usually written in it. In this suite a hexadecimal value is shown "
            "with a trailing h, as in 19h for decimal 25.");
        break;
    case 7:
        p[0] = QStringLiteral(
            "In a hexadecimal number each place is worth sixteen times the place to its right: 1, 16, 256 and 4096 "
            "for the first four integer places, and 1/16, 1/256 and 1/4096 for the first three places after the "
            "point.");
        p[1] = QStringLiteral(
            "To convert to decimal, give each letter its value (A = 10 up to F = 15), multiply each digit by its "
            "place weighting and add. AA23 is 10 × 4096 + 10 × 256 + 2 × 16 + 3 = 43555, and the fraction .16 adds "
            "1/16 + 6/256.");
        p[2] = QStringLiteral(
            "The working uses at most four integer digits and three fractional digits, enough for any 16-bit address "
            "with a fine fraction. Longer entries are shortened, so very large or very small numbers are truncated "
            "rather than converted in full.");
        break;
    default:
        break;
    }
}

}  // namespace orr
