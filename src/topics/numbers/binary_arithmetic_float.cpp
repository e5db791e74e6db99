// BinaryArithmetic example 6: floating point numbers.
#include "topics/numbers/binary_arithmetic.h"

namespace orr {

void drawBinaryFloatingPoint(double mantissa, int exponent)
{
    Q_UNUSED(mantissa)
    Q_UNUSED(exponent)
}

}  // namespace orr
