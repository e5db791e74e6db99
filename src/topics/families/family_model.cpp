// Node models of the logic families and the interfacing circuits.
#include "topics/families/family_model.h"

#include <algorithm>
#include <cmath>

#include "values/formatters.h"

namespace orr::families {

namespace {

const QString kHigh = QStringLiteral("5V '1'");
const QString kLow = QStringLiteral("0V '0'");

QString level(bool high) { return high ? kHigh : kLow; }
QString onOff(bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); }

void diodeLogic(FamilyState& s, bool a, bool b)
{
    s.output = a && b;
    s.secondOutput = a || b;
    // AND half: a low input pulls the node to one diode drop; with both high
    // the 5k pull-up and the 10k load divide the supply.
    if (s.output) {
        const float v = 5.0f * 10000.0f / 15000.0f;
        s.nodes[QStringLiteral("and")] = QStringLiteral("Vout = 5V ×");
        s.nodes[QStringLiteral("andNumerator")] = QStringLiteral("10k");
        s.nodes[QStringLiteral("andDenominator")] = QStringLiteral("5k + 10k");
        s.nodes[QStringLiteral("andResult")] = QStringLiteral(" = ") + FormatVolts(v);
        s.outputLevel = FormatVolts(v) + QStringLiteral(" '1'");
    } else {
        s.nodes[QStringLiteral("and")] = QStringLiteral("Vout = ") + FormatVolts(0.6f);
        s.outputLevel = FormatVolts(0.6f) + QStringLiteral(" '0'");
    }
    if (s.secondOutput) {
        s.nodes[QStringLiteral("or")] = QStringLiteral("Vout = 5V - 0.6V = 4.4V");
        s.secondOutputLevel = FormatVolts(4.4f) + QStringLiteral(" '1'");
    } else {
        s.nodes[QStringLiteral("or")] = QStringLiteral("Vout = 0V");
        s.secondOutputLevel = kLow;
    }
}

void dtl(FamilyState& s, bool a, bool b)
{
    const bool both = a && b;
    s.output = !both;
    s.nodes[QStringLiteral("junction")] = both ? QStringLiteral("3.2V") : QStringLiteral("0.6V");
    s.nodes[QStringLiteral("base")] = both ? QStringLiteral("0.6V") : QStringLiteral("0V");
    s.nodes[QStringLiteral("bias")] = both ? QStringLiteral("Forward Biased") : QStringLiteral("Reverse Biased");
    s.on = {both};
}

void ttl(FamilyState& s, bool a, bool b)
{
    const bool both = a && b;
    s.output = !both;
    s.nodes[QStringLiteral("t1Base")] = both ? QStringLiteral("1.8V") : QStringLiteral("0.6V");
    s.nodes[QStringLiteral("t2Base")] = both ? QStringLiteral("1.2V") : QStringLiteral("0V");
    s.nodes[QStringLiteral("t2Collector")] = both ? QStringLiteral("1V") : QStringLiteral("5V");
    s.nodes[QStringLiteral("t4Base")] = both ? QStringLiteral("0.6V") : QStringLiteral("0V");
    // T1 saturates while an emitter is low and steals T2's base current; with
    // both high its collector junction feeds T2, which turns T4 on and T3 off.
    s.on = {!both, both, !both, both};
}

void ecl(FamilyState& s, bool a, bool b)
{
    const bool any = a || b;
    s.output = !any;
    s.outputLevel = inputLevel(Family::Ecl, s.output);
    s.nodes[QStringLiteral("collector")] = any ? QStringLiteral("-1V") : QStringLiteral("0V");
    s.nodes[QStringLiteral("t3")] = any ? QStringLiteral("T3 biased OFF") : QStringLiteral("T3 biased ON");
    s.emitterCurrent = any ? 0.003f : 0.0026f;
    s.nodes[QStringLiteral("vr2")] = eclResistorLine(s.emitterCurrent);
    s.on = {a, b, !any, true};
}

void i2l(FamilyState& s, bool a, bool b)
{
    s.output = !(a || b);
    s.nodes[QStringLiteral("a")] = a ? QStringLiteral("HIGH") : QStringLiteral("LOW");
    s.nodes[QStringLiteral("b")] = b ? QStringLiteral("HIGH") : QStringLiteral("LOW");
    s.nodes[QStringLiteral("output")] =
        s.output ? QStringLiteral("pulled HIGH by external R") : QStringLiteral("pulled LOW by T3 OR T4");
    // T1 and T2 inject current all the time; a high input lets it into the base.
    s.on = {true, true, a, b};
}

void mos(FamilyState& s, bool a, bool b)
{
    s.output = !(a && b);
    s.secondOutput = !(a || b);
    s.secondOutputLevel = level(s.secondOutput);
    // NAND: load T1, series drivers T2, T3. NOR: load T4, parallel drivers T5, T6.
    s.on = {true, a, b, true, a, b};
    s.nodes[QStringLiteral("nand")] =
        s.output ? QStringLiteral("T2 or T3 OFF: output pulled HIGH by load T1")
                 : QStringLiteral("T2 and T3 ON: output pulled LOW");
    s.nodes[QStringLiteral("nor")] = s.secondOutput ? QStringLiteral("T5 and T6 OFF: output pulled HIGH by load T4")
                                                    : QStringLiteral("T5 or T6 ON: output pulled LOW");
}

void cmos(FamilyState& s, bool a, bool b)
{
    const bool nand = !(a && b);
    s.output = !nand;
    s.secondOutputLevel = level(nand);  // the NAND node between the stages
    // NAND: P-channel T1, T2 in parallel to 5V, N-channel T3, T4 in series to
    // 0V; inverter: P-channel T5, N-channel T6.
    s.on = {!a, !b, a, b, !nand, nand};
}

}  // namespace

QString inputLevel(Family f, bool high)
{
    if (f == Family::Ecl)
        return high ? QStringLiteral("-0.6V '1'") : QStringLiteral("-1.6V '0'");
    return level(high);
}

QString eclResistorLine(float current)
{
    return QStringLiteral("VR2 = ") + FormatAmps(current) + QStringLiteral("×") + QStringLiteral(" 1300 = ") +
           FormatVolts(current * 1300.0f - 5.0f);
}

FamilyState familyState(Family f, bool a, bool b)
{
    FamilyState s;
    s.inputA = inputLevel(f, a);
    s.inputB = inputLevel(f, b);
    switch (f) {
    case Family::Diode: diodeLogic(s, a, b); break;
    case Family::Dtl: dtl(s, a, b); break;
    case Family::Ttl: ttl(s, a, b); break;
    case Family::Ecl: ecl(s, a, b); break;
    case Family::I2l: i2l(s, a, b); break;
    case Family::Mos: mos(s, a, b); break;
    case Family::Cmos: cmos(s, a, b); break;
    }
    if (s.outputLevel.isEmpty())
        s.outputLevel = inputLevel(f, s.output);
    for (size_t i = 0; i < s.on.size(); ++i)
        s.nodes[QStringLiteral("T%1").arg(i + 1)] = onOff(s.on[i]);
    return s;
}

bool isOne(const QString& v) { return v == QStringLiteral("1"); }
QString toggled(const QString& v) { return isOne(v) ? QStringLiteral("0") : QStringLiteral("1"); }

BufferStage bufferStage(const QString& schmittInput)
{
    BufferStage s;
    s.conducting = !isOne(schmittInput);
    if (s.conducting) {
        s.baseVolts = 1.4f;
        s.resistorVolts = 5.0f - 1.4f;
    }
    return s;
}

RelayDriver relayDriver(const QString& a, const QString& b)
{
    RelayDriver r;
    r.gateOutput = !(a != QStringLiteral("0") && b != QStringLiteral("0"));
    r.contactsClosed = r.gateOutput;
    return r;
}

LevelShifter levelShifter(const QString& a)
{
    LevelShifter s;
    s.inputVolts = isOne(a) ? 15.0f : 3.0f;
    s.resistorVolts = s.inputVolts - 0.6f;
    s.baseCurrent = s.resistorVolts / 1000.0f;
    return s;
}

ClockGenerator clockGenerator(const QString& a, const QString& b)
{
    ClockGenerator c;
    c.r1 = isOne(a) ? 10e6f : 56000.0f;
    c.c1 = isOne(b) ? 1e-6f : 250e-9f;
    c.frequency = 1.0f / (c.r1 * c.c1);
    return c;
}

std::vector<float> chargingCurve(int samples)
{
    std::vector<float> v;
    v.reserve(size_t(std::max(samples, 0)));
    const float step = 1.0f - std::exp(-0.01f);  // one step of 0.01 R1·C1
    float vc = 0;
    bool charging = true;
    for (int i = 0; i < samples; ++i) {
        v.push_back(vc);
        if (charging && vc >= kUpperThreshold)
            charging = false;
        else if (!charging && vc <= kLowerThreshold)
            charging = true;
        vc += ((charging ? 5.0f : 0.0f) - vc) * step;
    }
    return v;
}

}  // namespace orr::families
