// Plain models of the micro-computer, memory and memory-addressing topics:
// the address split of a 12-bit address, the 4 x 4-bit memories and the
// clocked arithmetic program. No drawing; the windows show them.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace orr::micro {

// ---- memory addressing ----
constexpr int kHighestChipAddress = 0xFFF;
// A 12-bit address split into its chip-select bits (A11 A10) and the address
// within the 1K chip (A9 to A0).
struct AddressSplit {
    int select = 0;
    int within = 0;
};
AddressSplit splitAddress(int address);
// The working lines printed for an address, one text each.
QStringList addressLines(int address);

// ---- 4 x 4-bit memories ----
// The four least significant bits of a number whose decimal digits are the
// binary digits (1011 is binary 1011), as four characters.
QString fourBits(double binaryDigits);
// Whether an entry had more than four bits to drop.
bool beyondFourBits(double binaryDigits);

struct FourByFour {
    std::array<QString, 4> rows;
    int row = 0;        // the row address A1 A0
    bool write = true;  // RAM: writing; ROM: programming
};
// The read-only memory as it leaves the factory: four patterns a teacher knows.
FourByFour freshRom();
FourByFour freshRam();

// ---- the arithmetic program ----
struct ArithmeticProgram {
    int a = 5;
    int b = 9;
    int pulse = 0;  // 0 before the first clock pulse, then 1..8
    // After a clock pulse: pulse 1 "RUN" ... 8 "OUT", then round again.
    void clock() { pulse = pulse >= 8 ? 1 : pulse + 1; }
    int sum() const { return a + b; }
    bool added() const { return pulse >= 6; }  // from the ADD step until the restart
    bool carry() const { return added() && sum() > 15; }
    bool zero() const { return added() && sum() == 0; }
};
// Mnemonic and operand of pulse 1..8.
QString programMnemonic(int pulse);
QString programOperand(int pulse);

// ---- the basic micro-computer ----
// ROM step 0..6: its action text (address 6 holds the jump target).
QString romAction(int step);

}  // namespace orr::micro
