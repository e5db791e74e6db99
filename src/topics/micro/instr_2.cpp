// Instr_2: the second instruction set window.
#include "topics/micro/instr_2.h"

namespace orr::micro {

Instr_2::Instr_2() : InstructionWindow(QStringLiteral("Instr_2"), 2, 103, QStringLiteral("INSTRUCTION SET 2"), 5, 1) {}

void Instr_2::configureExample(int e)
{
    InstructionWindow::configureExample(e);
    // The subroutine call starts from an empty stack at the top of page 1.
    if (instruction().op == Op::JSR)
        cpu().stackPointer = 0x1FF;
}

namespace {
RegisterForm<Instr_2> reg(QStringLiteral("Instr_2"));
}

}  // namespace orr::micro
