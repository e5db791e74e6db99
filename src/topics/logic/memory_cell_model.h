// Memory cell model: the transistor switch, the multi-emitter transistor, the
// notes of the read/write sense amplifier and the bipolar memory cell, with no
// drawing in them.
#pragma once

#include <QString>
#include <QStringList>

namespace orr::logic {

// A transistor switch with its base biased on conducts while an emitter is at
// 0V; a multi-emitter transistor conducts when either emitter is at 0V.
inline bool switchConducts(bool emitterHigh) { return !emitterHigh; }
inline bool multiEmitterConducts(bool firstHigh, bool secondHigh) { return !firstHigh || !secondHigh; }

// The sense amplifier's state notes, in the order they are read: for a write
// the input data level and the transistors it turns on and off; for a read the
// bitline level and the transistors of the read path.
QStringList senseAmplifierNotes(bool writing, bool dataHigh);

// The bipolar memory cell: two cross-coupled multi-emitter transistors
// holding one bit, reached through a select line and a bitline.
class MemoryCell {
public:
    bool stored = false;
    bool selected = true;
    bool bitline = true;
    bool writing = true;

    // Carries out the operation: a write stores the bitline's value, a read
    // puts the stored bit on the bitline; an unselected cell does neither.
    void operate();
    // What the last operation did, or "" before the first one.
    QString status() const { return status_; }
    // T1 is on while the cell holds 1.
    bool t1On() const { return stored; }

private:
    QString status_;
};

}  // namespace orr::logic
