// Theory texts of the combinational logic, arithmetic and logic unit and
// memory cell windows, four paragraphs per example.
#pragma once

#include <QString>
#include <array>

namespace orr {

void combinationalTheory(int example, std::array<QString, 4>& paragraphs);
void aluTheory(int example, std::array<QString, 4>& paragraphs);
void memoryCellTheory(int example, std::array<QString, 4>& paragraphs);

}  // namespace orr
