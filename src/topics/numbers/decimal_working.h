// Decimal arithmetic as plain workings: column addition and subtraction, long
// multiplication by partial products, long division step by step, division
// of decimals by scaling with a power of ten, multiplication of decimals by
// counting decimal places, directed numbers, arithmetic sequences and the
// temperature formulas. Each returns the rows of its working; the
// NumberSystems window lays them out.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace orr::numbers {

// Whole numbers written one above the other, right-aligned, and their sum
// with the carry into each column (carries[i] is the carry into the column
// i places from the right; carries[0] is always 0).
struct ColumnAddition {
    std::vector<long long> values;
    std::vector<int> carries;
    long long total = 0;
};
ColumnAddition columnAddition(const std::vector<long long>& values);

// a - b by columns, borrowing from the next column: borrows[i] is 1 where
// column i lent ten to the column on its right. When b > a the working
// subtracts a from b and the answer is negative.
struct ColumnSubtraction {
    long long a = 0, b = 0;
    long long top = 0, bottom = 0;  // the larger and the smaller
    std::vector<int> borrows;
    long long difference = 0;       // a - b
};
ColumnSubtraction columnSubtraction(long long a, long long b);

// One partial product of long multiplication: a x digit x 10^zeros.
struct PartialProduct {
    int digit = 0;
    int zeros = 0;
    long long digitProduct = 0;  // a x digit
    long long value = 0;         // a x digit x 10^zeros
};
struct LongMultiplication {
    long long a = 0, b = 0;
    std::vector<PartialProduct> rows;  // units digit of b first
    long long total = 0;
};
LongMultiplication longMultiplication(long long a, long long b);

// Long division of dividend by divisor, one step per digit brought down once
// the divisor first goes in (a dividend smaller than the divisor gives one step).
struct DivisionStep {
    long long part = 0;       // the number the divisor is tried against
    int quotientDigit = 0;
    long long product = 0;    // divisor x quotient digit
    long long remainder = 0;  // part - product
    int digitIndex = 0;       // the dividend digit this step ends on (0 = leftmost)
};
struct LongDivision {
    long long dividend = 0, divisor = 1;
    std::vector<DivisionStep> steps;
    long long quotient = 0, remainder = 0;
};
LongDivision longDivision(long long dividend, long long divisor);

// Number of decimal places in the shortest text of a value (at most seven
// significant digits, as a single holds).
int decimalPlaces(double value);
// The value's digits without its point, as a whole number (2.5 -> 25).
long long digitsOf(double value, int places);

// Multiplication of decimals: multiply the digits, then put back as many
// decimal places as the two numbers have between them.
struct DecimalMultiplication {
    double a = 0, b = 0;
    int aPlaces = 0, bPlaces = 0;
    long long aDigits = 0, bDigits = 0;
    long long digitProduct = 0;
    double product = 0;
    bool negative = false;  // unlike signs
    int places() const { return aPlaces + bPlaces; }
};
DecimalMultiplication decimalMultiplication(double a, double b);

// Division of decimals: numerator and denominator are multiplied by 10^power
// until the numerator is whole; then the whole-number quotient and what is left.
struct DecimalDivision {
    double a = 0, b = 0;
    bool divideByZero = false;
    int power = 0;
    double scaledA = 0, scaledB = 0;
    double answer = 0;
    long long wholeTimes = 0;
    double remainder = 0;
};
DecimalDivision decimalDivision(double a, double b);

// Terms of an arithmetic sequence and their sum.
struct Sequence {
    std::vector<double> terms;
    double sum = 0;
};
Sequence arithmeticSequence(double first, double difference, int count);

// Temperature formulas: F = C x 9/5 + 32 and C = (F - 32) x 5/9, each with
// the intermediate values of its three boxes on the flowchart.
struct TemperatureSteps {
    bool fromCelsius = true;
    double input = 0;
    double step1 = 0, step2 = 0;  // after the first and second boxes
    double result = 0;
};
TemperatureSteps convertTemperature(double value, bool fromCelsius);

// Directed numbers: x + y or x - y.
double directedResult(double x, double y, bool subtract);

}  // namespace orr::numbers
