// Theory texts of the microprocessor topics: one to four paragraphs for each
// instruction and for each page of the instructions-and-control topic.
#pragma once

#include <QString>
#include <array>

#include "topics/micro/instruction_set.h"

namespace orr::micro {

void instructionTheory(Op op, std::array<QString, 4>& paragraphs);
// Up to four paragraphs from UTF-8 texts; the ones left out are empty.
void setParagraphs(std::array<QString, 4>& paragraphs, const char* a, const char* b, const char* c = "",
                   const char* d = "");
// The second set (CPX to NOP) and the third set's examples.
void secondSetTheory(Op op, std::array<QString, 4>& paragraphs);
void thirdSetTheory(Op op, std::array<QString, 4>& paragraphs);
void instructionsTopicTheory(int position, std::array<QString, 4>& paragraphs);

}  // namespace orr::micro
