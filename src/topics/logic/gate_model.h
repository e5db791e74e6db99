// Gate model: the logic of the gate topics with no drawing in it. The gate
// functions, the signals of every LogicGates1 and LogicGates2 example as pure
// functions of the inputs, and the truth-table rows the windows print.
#pragma once

#include <QString>
#include <QStringList>

namespace orr::logic {

enum class GateKind { And, Or, Nand, Nor, Xor, Not };

// The output of a gate; a NOT gate reads only a.
bool gate(GateKind kind, bool a, bool b = false);

// The same rules on the texts "1" and "0" that the Boolean algebra window
// passes from gate to gate: AND gives "1" only when both inputs are "1", OR
// gives "0" only when neither is, NAND and NOR are their complements, NOT
// gives "0" for "1" and "1" for anything else.
QString gateText(GateKind kind, const QString& a, const QString& b = QString());

inline QString bitText(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }
inline bool isOne(const QString& t) { return t == QLatin1String("1"); }

// Every node of a LogicGates1 example. A and B are the inputs (the switch
// states S1 and S2); C to G are the inner nodes of the gate networks, Q the
// output; lampLit is the lamp of the two switch circuits.
struct Lg1Signals {
    bool a = false, b = false, c = false, d = false, e = false, f = false, g = false, q = false;
    bool lampLit = false;
};
constexpr int kLg1Examples = 12;
Lg1Signals logicGates1(int example, bool a, bool b);
// The gate of the single-gate examples 2 to 7.
GateKind logicGates1Gate(int example);

// The output X of a LogicGates2 example, and what its equivalent circuit
// gives when evaluated gate by gate (the two must agree).
constexpr int kLg2Examples = 8;
bool logicGates2Output(int example, bool a, bool b);
bool logicGates2Equivalent(int example, bool a, bool b);
// Whether the example has a second input (the NOT example has not).
bool logicGates2HasB(int example);

// Truth-table rows as "0-1-1" texts for DrawTruthRow. LogicGates1 lists
// A-B-Q with A changing fastest; LogicGates2 lists B-A-X with A changing
// fastest, and A-X for its NOT example.
QStringList logicGates1Rows(int example);
QStringList logicGates2Rows(int example);

}  // namespace orr::logic
