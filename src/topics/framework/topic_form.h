// TopicForm: the skeleton every topic window is built on — the diagram
// picture, the calculation box, the selector row with its input labels, the
// trigger buttons and the caption strip, and the shared behaviour of opening
// an example, laying out, declaring toolbar buttons, taking a value from the
// value-entry dialog and redrawing.
#pragma once

#include <QFrame>
#include <array>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "state/suite_state.h"
#include "topics/framework/members.h"

namespace orr {

class TopicForm : public Form, public WindowMembers {
    Q_OBJECT
public:
    // name: the form name; selectors / triggers: how many elements the control arrays have.
    TopicForm(const QString& name, int selectors = 4, int triggers = 3);

    PictureBox* Picture1 = nullptr;
    PictureBox* Calcbox = nullptr;
    QFrame* Panel3D1 = nullptr;
    Panel3D* SSPanel1 = nullptr;
    std::vector<CommandButton*> SelectButton;
    std::vector<Label*> InputLabel;
    std::vector<CommandButton*> Trigger;

    QString title;
    bool loadedFlag = false;

    int topicId() const { return topicId_; }
    // The example this topic shows (from the selected example table).
    int example() const;

    void Proc_1() override;
    void results() override;
    void TheoryButton() override;

    void formLoad() override;
    void formActivate() override;
    void formDeactivate() override;
    void formResize() override;
    void formQueryUnload() override;

    virtual void Picture1_Click(double x, double y);
    virtual void Picture1_MouseDown(double x, double y) { Q_UNUSED(x) Q_UNUSED(y) }
    virtual void SelectButton_Click(int index);
    virtual void InputLabel_Change(int index);
    virtual void Trigger_Click(int index) { Q_UNUSED(index) }

protected:
    // What each topic supplies.
    virtual void setDefaults() = 0;
    virtual void setToolbarFlags(SuiteState::ToolbarFlags& flags) = 0;
    // Selector captions, formatted input values and suite().selectorCount for example e.
    virtual void configureExample(int e) = 0;
    virtual void drawExample(int e) = 0;
    virtual void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) = 0;
    virtual QString quantityTypeFor(int e, int index) const = 0;
    // Stores the entered number (already read from the dialog) for example e,
    // input index, applying the topic's limits.
    virtual void takeValue(int e, int index, double value) = 0;
    // Whether the magnitude of an entered number is taken (most topics do).
    virtual bool takesMagnitude() const { return true; }

    void setTopicId(int id) { topicId_ = id; }
    void setDrawingFrame(int textOffset, float drawingScale)
    {
        textOffset_ = textOffset;
        drawingScale_ = drawingScale;
    }
    // Sets a label's caption from code without it being taken as an entry.
    void setLabelQuietly(int index, const QString& caption);

private:
    void buildControls(int selectors, int triggers);
    int topicId_ = 0;
    int textOffset_ = 0;
    float drawingScale_ = 1.28f;
};

// Shared layout and toolbar procedures of the framework.
void windowLayout();
void selectorLayout(int count);
void triggerSetup(bool a, bool b, bool c);
// The same for windows with a fourth trigger button.
void triggerSetup(bool a, bool b, bool c, bool d);
void calculationBoxRule();
void recordToolbarSet(int topicId);
void applyToolbarSet(int bits);

}  // namespace orr
