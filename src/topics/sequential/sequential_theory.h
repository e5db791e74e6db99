// The theory paragraphs of the clocked-logic windows, one function per window.
#pragma once

#include <QString>
#include <array>

namespace orr::seq {

void flipFlopTheory(int e, std::array<QString, 4>& p);
void countersTheory(int e, std::array<QString, 4>& p);
void shiftRegisterTheory(int e, std::array<QString, 4>& p);
void countingTheory(int e, std::array<QString, 4>& p);

}  // namespace orr::seq
