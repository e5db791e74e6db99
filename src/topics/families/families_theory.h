// Theory texts of the logic family and logic interfacing windows, four
// paragraphs per example (unused ones left empty).
#pragma once

#include <QString>
#include <array>

namespace orr {

void familiesTheory(int example, std::array<QString, 4>& paragraphs);
void interfacingTheory(int example, std::array<QString, 4>& paragraphs);

}  // namespace orr
