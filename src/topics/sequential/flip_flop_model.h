// Flip-flop model: the latches and flip-flops of the sequential windows with
// no drawing in them. Every function takes the stored state and the inputs and
// returns the next state; nothing changes except through these calls, so each
// rule is a plain table of (state, inputs) to state.
#pragma once

#include <QString>

namespace orr::seq {

// The two outputs of a bistable. undefined marks the state a clocked RS
// flip-flop is left in after S = R = 1: neither output can be relied on.
struct RsState {
    bool q = false;
    bool notQ = true;
    bool undefined = false;
    bool operator==(const RsState&) const = default;
};

enum class LatchKind { Nand, Nor };

// A cross-coupled RS latch driven with active-high Set and Reset (the NAND
// latch's inputs pass through inverters in the figure). S = R = 0 keeps the
// state; S = 1 sets Q, R = 1 resets it; S = R = 1 forces both outputs to 1
// (NAND) or to 0 (NOR).
RsState rsLatch(LatchKind kind, RsState s, bool set, bool reset);
// The "Table of States" row for the inputs: "0-0-no-change", "1-0-1-0",
// "0-1-0-1", and "1-1-1-1" (NAND) or "1-1-0-0" (NOR).
QString latchRow(LatchKind kind, bool set, bool reset);

// Level-triggered RS flip-flop: while the clock is 1 the latch follows S and
// R (S = R = 1 leaves the outputs undefined); while it is 0 both gating AND
// gates are inhibited and the state is kept.
RsState clockedRs(RsState s, bool clock, bool set, bool reset);

// D latch: while the clock is 1, Q takes D; while it is 0, Q keeps its value.
bool dLatch(bool q, bool clock, bool d);

// T flip-flop at the trailing edge of a clock pulse: T = 1 toggles Q.
bool tEdge(bool q, bool t);

// Master-slave flip-flops. While the clock is high the master follows its
// inputs and the slave is isolated; on the falling edge the slave takes the
// master's state and the master is cut off from the inputs.
struct MasterSlave {
    RsState master;
    RsState slave;
    bool operator==(const MasterSlave&) const = default;
};
// The master while the clock is high (RS inputs; S = R = 1 is undefined).
RsState masterFollows(RsState master, bool set, bool reset);
// The JK master while the clock is high: the inputs are gated by the slave's
// outputs, so J = K = 1 sets the master to the opposite of the slave.
RsState jkMasterFollows(const MasterSlave& ff, bool j, bool k);
// A complete clock pulse: the master follows, then the slave takes it.
MasterSlave masterSlavePulse(const MasterSlave& ff, bool set, bool reset);
MasterSlave jkPulse(const MasterSlave& ff, bool j, bool k);

}  // namespace orr::seq
