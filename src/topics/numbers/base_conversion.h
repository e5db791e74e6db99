// Number base conversion as plain arithmetic: repeated division for whole
// numbers, repeated doubling for fractions, grouping of bits into octal and
// hexadecimal digits, and the weighted sums that turn a binary, octal or
// hexadecimal text back into decimal. Nothing here draws; the BinaryNumbers
// window lays these workings out on its picture.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace orr::numbers {

// One line of repeated division: dividend / 2 = quotient, remainder.
struct DivisionRow {
    long long dividend = 0;
    long long quotient = 0;
    int remainder = 0;
};

struct DivisionWorking {
    std::vector<DivisionRow> rows;
    QString bits;  // the remainders read from the last row to the first
};

// Divides the whole number n (its integer part, magnitude) by 2 until the
// quotient is 0: always at least one row, so 0 gives the single row
// 0 / 2 = 0 remainder 0. maxRows > 0 stops after that many rows.
DivisionWorking repeatedDivision(double n, int maxRows = 0);

// One line of repeated doubling: fraction x 2 = doubled, giving bit.
struct DoublingRow {
    double fraction = 0;
    double doubled = 0;
    int bit = 0;
};

struct DoublingWorking {
    std::vector<DoublingRow> rows;
    QString bits;  // read from the first row to the last
};

// Doubles the fractional part of x, taking the whole part of each product as
// the next bit, until the fraction left over is 0 or maxRows rows are done
// (maxRows <= 0: until 0). The arithmetic is exact for any binary fraction.
DoublingWorking repeatedDoubling(double x, int maxRows = 0);

// The digit look-up table: the digit followed by its four bits ("A1010").
const std::array<QString, 16>& digitTable();
// The digit of a group of 3 (octal) or 4 (hexadecimal) bits.
QChar digitOfGroup(const QString& bits);

QString padLeftToMultiple(const QString& bits, int group);
QString padRightToMultiple(const QString& bits, int group);
// Cuts bits whose length is a multiple of group into consecutive groups.
QStringList groupsOf(const QString& bits, int group);

// Decimal to octal (group 3) or hexadecimal (group 4) through binary.
struct GroupedConversion {
    QString integerText;     // the decimal text before the point
    QString fractionText;    // from the point on (".479"), empty without a point
    DivisionWorking integer; // at most 14 divisions
    QStringList integerGroups;
    QString integerDigits;
    QString fractionBits;    // the doubling bits kept: 3 per decimal text character
    QStringList fractionGroups;
    QString fractionDigits;
};
GroupedConversion groupedConversion(float value, int group);

// A single-precision number's decimal text without exponent form, at most
// seven significant digits ("1101.101", "1000000000").
QString plainText(float value);

// Binary, octal or hexadecimal text to decimal by weighted digits.
struct WeightedDigit {
    QChar digit;
    int position = 0;  // n: 0 for the units digit, -1 for the first after the point
    int value = 0;     // 0..15
    double weighted = 0;
    QString weightedText;  // "40960" for whole places, "6/256" for fractional ones
};

struct WeightedSum {
    int base = 2;
    QString integerText;   // "0" when the text starts with its point
    QString fractionText;  // digits after the point
    std::vector<WeightedDigit> digits;  // the integer digits, then the fractional digits
    double integerPart = 0;
    double fractionalPart = 0;
    double total() const { return integerPart + fractionalPart; }
};

// text is cut to maxChars characters first (0: no cut); maxFractionDigits
// >= 0 keeps only that many digits after the point.
WeightedSum weightedSum(const QString& text, int base, int maxChars = 0, int maxFractionDigits = -1);

// Value of one digit character, 0..15; -1 for anything else.
int digitValue(QChar c);

// Hexadecimal entry: upper case; a point at character position 5 or later
// (four or more integer digits) cuts the integer part to its first four characters.
QString hexEntryText(const QString& typed);

// Whole conversions used to check the workings against each other: value to
// a base with every fractional digit the doubling gives, and back.
QString toBase(double value, int base);
double fromBase(const QString& text, int base);

}  // namespace orr::numbers
