// The theory paragraphs of the BinaryArithmetic examples.
#include "topics/numbers/binary_arithmetic.h"

namespace orr {

void binaryArithmeticTheory(int e, std::array<QString, 4>& p)
{
    Q_UNUSED(e)
    for (QString& s : p)
        s.clear();
}

}  // namespace orr
