// Flip-flop model: latch, clocked, toggle and master-slave rules.
#include "topics/sequential/flip_flop_model.h"

namespace orr::seq {

namespace {
RsState settled(bool q) { return RsState{q, !q, false}; }
}  // namespace

RsState rsLatch(LatchKind kind, RsState s, bool set, bool reset)
{
    if (set && reset) {
        const bool level = kind == LatchKind::Nand;
        return RsState{level, level, false};
    }
    if (set)
        return settled(true);
    if (reset)
        return settled(false);
    return s;
}

QString latchRow(LatchKind kind, bool set, bool reset)
{
    if (set && reset)
        return kind == LatchKind::Nand ? QStringLiteral("1-1-1-1") : QStringLiteral("1-1-0-0");
    if (set)
        return QStringLiteral("1-0-1-0");
    if (reset)
        return QStringLiteral("0-1-0-1");
    return QStringLiteral("0-0-no-change");
}

RsState clockedRs(RsState s, bool clock, bool set, bool reset)
{
    if (!clock)
        return s;
    return masterFollows(s, set, reset);
}

bool dLatch(bool q, bool clock, bool d) { return clock ? d : q; }

bool tEdge(bool q, bool t) { return t ? !q : q; }

RsState masterFollows(RsState master, bool set, bool reset)
{
    if (set && reset)
        return RsState{master.q, master.notQ, true};
    if (set)
        return settled(true);
    if (reset)
        return settled(false);
    return master;
}

RsState jkMasterFollows(const MasterSlave& ff, bool j, bool k)
{
    // Feedback: J is gated by the slave's NOT Q and K by its Q, so at most one
    // of the gated inputs is ever active.
    const bool q = ff.slave.q && !ff.slave.undefined;
    return masterFollows(ff.master, j && !q, k && q);
}

MasterSlave masterSlavePulse(const MasterSlave& ff, bool set, bool reset)
{
    const RsState m = masterFollows(ff.master, set, reset);
    return MasterSlave{m, m};
}

MasterSlave jkPulse(const MasterSlave& ff, bool j, bool k)
{
    const RsState m = jkMasterFollows(ff, j, k);
    return MasterSlave{m, m};
}

}  // namespace orr::seq
