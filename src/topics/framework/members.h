// The public members the shell calls on a window by name: Proc_1, results
// and TheoryButton. Topic forms implement all three; tool windows may
// implement some. Calling a member a window does not have does nothing, as a
// late-bound call whose error is ignored.
#pragma once

#include <QString>

namespace orr {

class Form;

class WindowMembers {
public:
    virtual ~WindowMembers() = default;
    virtual void Proc_1() {}
    virtual void results() {}
    virtual void TheoryButton() {}
};

// Calls "Proc_1", "results" or "TheoryButton" on the window; false when the
// window is missing or has no such member.
bool callByName(Form* window, const QString& member);

}  // namespace orr
