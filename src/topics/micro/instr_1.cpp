// Instr_1: the first instruction set window.
#include "topics/micro/instr_1.h"

namespace orr::micro {

Instr_1::Instr_1() : InstructionWindow(QStringLiteral("Instr_1"), 1, 102, QStringLiteral("INSTRUCTION SET 1"), 5, 1) {}

namespace {
RegisterForm<Instr_1> reg(QStringLiteral("Instr_1"));
}

}  // namespace orr::micro
