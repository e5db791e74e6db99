// Theory texts of the combinational logic, arithmetic and logic unit and
// memory cell windows.
#include "topics/logic/circuit_theory.h"

namespace orr {

void combinationalTheory(int e, std::array<QString, 4>& p)
{
    if (e == 0)
        p[0] = QStringLiteral("The half-adder is a circuit that can produce a SUM and generate a CARRY through the "
                              "addition of one pair of logic bits.");
}

void aluTheory(int e, std::array<QString, 4>& p)
{
    if (e == 1)
        p[0] = QStringLiteral("The Accumulator is the central register within the microprocessor.");
}

void memoryCellTheory(int e, std::array<QString, 4>& p)
{
    if (e == 3)
        p[0] = QStringLiteral("A bipolar Memory Cell is based on the transistor configured as a switch, where it has "
                              "two states fully saturated and cut off.");
}

}  // namespace orr
