// Gate model: gate functions, the node values of the gate networks and the
// truth-table rows, as pure functions of the inputs.
#include "topics/logic/gate_model.h"

namespace orr::logic {

bool gate(GateKind kind, bool a, bool b)
{
    switch (kind) {
    case GateKind::And: return a && b;
    case GateKind::Or: return a || b;
    case GateKind::Nand: return !(a && b);
    case GateKind::Nor: return !(a || b);
    case GateKind::Xor: return a != b;
    case GateKind::Not: return !a;
    }
    return false;
}

QString gateText(GateKind kind, const QString& a, const QString& b)
{
    const bool x = isOne(a), y = isOne(b);
    switch (kind) {
    case GateKind::And: return bitText(x && y);
    case GateKind::Or: return bitText(x || y);
    case GateKind::Nand: return bitText(!(x && y));
    case GateKind::Nor: return bitText(!(x || y));
    case GateKind::Xor: return bitText(x != y);
    case GateKind::Not: return bitText(!x);
    }
    return QStringLiteral("0");
}

GateKind logicGates1Gate(int example)
{
    switch (example) {
    case 3: return GateKind::Or;
    case 4: return GateKind::Nand;
    case 5: return GateKind::Nor;
    case 6: return GateKind::Not;
    case 7: return GateKind::Xor;
    default: return GateKind::And;
    }
}

Lg1Signals logicGates1(int example, bool a, bool b)
{
    Lg1Signals s;
    s.a = a;
    s.b = b;
    switch (example) {
    case 0:  // push switches in parallel
        s.lampLit = a || b;
        s.q = s.lampLit;
        break;
    case 1:  // push switches in series
        s.lampLit = a && b;
        s.q = s.lampLit;
        break;
    case 2: case 3: case 4: case 5: case 6: case 7:
        s.q = gate(logicGates1Gate(example), a, b);
        break;
    case 8:  // OR and NAND into an AND: exclusive OR
        s.c = gate(GateKind::Or, a, b);
        s.d = gate(GateKind::Nand, a, b);
        s.q = gate(GateKind::And, s.c, s.d);
        break;
    case 9:  // two NAND inverters into a NAND: OR
        s.c = gate(GateKind::Nand, a, a);
        s.d = gate(GateKind::Nand, b, b);
        s.q = gate(GateKind::Nand, s.c, s.d);
        break;
    case 10:  // AND, NAND inverter, exclusive OR
        s.c = gate(GateKind::And, a, b);
        s.d = gate(GateKind::Nand, b, b);
        s.q = gate(GateKind::Xor, s.c, s.d);
        break;
    case 11:  // six NAND gates
        s.c = gate(GateKind::Nand, a, a);
        s.d = gate(GateKind::Nand, b, b);
        s.e = gate(GateKind::Nand, s.c, s.d);
        s.f = gate(GateKind::Nand, a, b);
        s.g = gate(GateKind::Nand, s.e, s.f);
        s.q = gate(GateKind::Nand, s.g, s.g);
        break;
    default:
        break;
    }
    return s;
}

bool logicGates2Output(int example, bool a, bool b)
{
    switch (example) {
    case 0: return gate(GateKind::And, a, b);
    case 1: return gate(GateKind::Or, a, b);
    case 2: return gate(GateKind::Not, a);
    case 3: return gate(GateKind::Nand, a, b);
    case 4: return gate(GateKind::Nor, a, b);
    case 5: return gate(GateKind::Xor, a, b);
    case 6: return gate(GateKind::Or, a, b);
    case 7: return gate(GateKind::Nand, a, b);
    default: return false;
    }
}

bool logicGates2Equivalent(int example, bool a, bool b)
{
    const bool na = gate(GateKind::Not, a), nb = gate(GateKind::Not, b);
    switch (example) {
    case 0: return a && b;  // switches in series: both closed lights the lamp
    case 1: return a || b;  // switches in parallel: either lights it
    case 2: return na;
    case 3: return gate(GateKind::Not, gate(GateKind::And, a, b));
    case 4: return gate(GateKind::Not, gate(GateKind::Or, a, b));
    case 5: return gate(GateKind::Or, gate(GateKind::And, a, nb), gate(GateKind::And, na, b));
    case 6: return gate(GateKind::Not, gate(GateKind::And, na, nb));
    case 7: return gate(GateKind::Or, na, nb);
    default: return false;
    }
}

bool logicGates2HasB(int example) { return example != 2; }

QStringList logicGates1Rows(int example)
{
    QStringList rows;
    if (example == 6) {
        for (const bool a : {false, true})
            rows << bitText(a) + QLatin1Char('-') + bitText(gate(GateKind::Not, a));
        return rows;
    }
    for (const bool b : {false, true})
        for (const bool a : {false, true})
            rows << bitText(a) + QLatin1Char('-') + bitText(b) + QLatin1Char('-') +
                        bitText(gate(logicGates1Gate(example), a, b));
    return rows;
}

QStringList logicGates2Rows(int example)
{
    QStringList rows;
    if (!logicGates2HasB(example)) {
        for (const bool a : {false, true})
            rows << bitText(a) + QLatin1Char('-') + bitText(logicGates2Output(example, a, false));
        return rows;
    }
    for (const bool b : {false, true})
        for (const bool a : {false, true})
            rows << bitText(b) + QLatin1Char('-') + bitText(a) + QLatin1Char('-') +
                        bitText(logicGates2Output(example, a, b));
    return rows;
}

}  // namespace orr::logic
