// Node models of the logic families and the interfacing circuits: from the
// inputs to the gate output, the node texts, voltages and transistor states
// the diagrams print. No drawing in them.
#pragma once

#include <QString>
#include <map>
#include <vector>

namespace orr::families {

enum class Family { Diode, Dtl, Ttl, Ecl, I2l, Mos, Cmos };
constexpr int kFamilyCount = 7;

// A gate's state for one pair of inputs. nodes holds every text printed on a
// node, keyed by the node's role in the drawing; on holds the conduction of
// T1, T2, ... in order.
struct FamilyState {
    bool output = false;        // the gate the family implements (DL: the AND half; MOS: the NAND stage)
    bool secondOutput = false;  // DL: the OR half; MOS: the NOR stage
    QString inputA, inputB;     // the input level labels
    QString outputLevel;        // the output labelled in the inputs' style
    QString secondOutputLevel;
    std::map<QString, QString> nodes;
    std::vector<bool> on;
    float emitterCurrent = 0;   // ECL only, amperes
};

// The input level label of a family: "5V '1'" / "0V '0'", or the ECL levels.
QString inputLevel(Family f, bool high);
FamilyState familyState(Family f, bool a, bool b);

// The worked ECL line: the emitter current times R2 less the -5V rail.
QString eclResistorLine(float current);

// Interfacing circuits. Inputs are the texts "1" or "0".
bool isOne(const QString& v);
QString toggled(const QString& v);

// Logic buffer stage: the Schmitt inverter drives the Darlington pair while
// its input is at 0.
struct BufferStage {
    bool conducting = false;
    float baseVolts = 0;      // the Darlington's two base-emitter drops
    float resistorVolts = 0;  // across R1
};
BufferStage bufferStage(const QString& schmittInput);

// Relay driver: a NAND gate drives T1 and the relay; the contacts close while
// the gate output is 1.
struct RelayDriver {
    bool gateOutput = true;
    bool contactsClosed = true;
};
RelayDriver relayDriver(const QString& a, const QString& b);

// CMOS to TTL: the CMOS output (15V for "1", else 3V) drives T1's base
// through 1000 ohms; VR1 is the input less the 0.6V base drop.
struct LevelShifter {
    float inputVolts = 3;
    float resistorVolts = 2.4f;
    float baseCurrent = 0.0024f;
};
LevelShifter levelShifter(const QString& a);

// Clock pulse generator: R1 56k or 10M, C1 250nF or 1µF, f = 1 / (R1 C1).
struct ClockGenerator {
    float r1 = 56000;
    float c1 = 250e-9f;
    float frequency = 0;
};
ClockGenerator clockGenerator(const QString& a, const QString& b);
constexpr float kUpperThreshold = 1.5f;
constexpr float kLowerThreshold = 0.8f;
// The capacitor voltage sampled every 0.01 R1·C1 from an empty capacitor:
// it charges towards 5V until the upper threshold switches the inverter, then
// discharges towards 0V until the lower threshold switches it back.
std::vector<float> chargingCurve(int samples);

}  // namespace orr::families
