// The companion windows kept around the topic windows: Theory (the notes of
// the current example), SubText (a short explanation a topic pops up),
// CalcForm (the calculation box enlarged) and Printing (a hidden helper whose
// picture holds the graph while a page is printed). Each counts itself in the
// open window count while it is loaded.
#pragma once

#include <QString>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture.h"

class QLabel;

namespace orr {

// Theory window and sub-text window: a frame picture holding one word-wrapped
// label, sized to the label and centred in the main window when activated.
class TextWindow : public Form {
    Q_OBJECT
public:
    TextWindow(const QString& name, const QString& labelName);

    PictureBox* Picture1 = nullptr;
    Label* label() const { return label_; }

    void formLoad() override;
    void formUnload() override;
    void formResize() override;

    // Label width and font size for the zoom level, then the frame picture and
    // window sized around the label, and the window centred.
    void arrange();

    // Label widths in twips and font sizes in points, at the design size and
    // from zoom level 1 on.
    static constexpr int kNarrowLabel = 7935;
    static constexpr int kWideLabel = 10000;
    static constexpr int kNarrowFont = 10;
    static constexpr int kWideFont = 14;
    // What the frame picture and the window add to the label, in twips.
    static constexpr int kFrameExtraWidth = 250;
    static constexpr int kFrameExtraHeight = 400;
    static constexpr int kWindowExtraWidth = 300;
    static constexpr int kWindowExtraHeight = 700;

private:
    void placeFrame();
    Label* label_ = nullptr;
};

class TheoryWindow : public TextWindow {
    Q_OBJECT
public:
    TheoryWindow();
    Label* Theorylabel = nullptr;
    void formLoad() override;
    void formActivate() override;
    // Caption, text, label width and face for the zoom level, size, place and
    // copy source, all from the shared state: what every showing does.
    void refresh();
};

class SubTextWindow : public TextWindow {
    Q_OBJECT
public:
    SubTextWindow();
    Label* SubTextLabel = nullptr;
    void formActivate() override;
};

class CalcWindow : public Form {
    Q_OBJECT
public:
    CalcWindow();
    // The image control showing the current window's calculation box.
    QLabel* CalcPicture = nullptr;
    void formLoad() override;
    void formUnload() override;
    void formActivate() override;
};

class PrintingWindow : public Form {
    Q_OBJECT
public:
    PrintingWindow();
    PictureBox* Picture1 = nullptr;
    void formLoad() override;
    void formUnload() override;
};

// Centres a window in the main window (nothing happens without one).
void centreInMainWindow(Form* w);

// True when the window is the active child of the main window.
bool isActiveChild(const Form* w);

// Shows the theory window, brings it to the front and renews it, however it
// was hidden before: the notes asked for are what the learner sees.
void showTheoryWindow();

// Shows the sub-text window with a caption and its text, as a topic pops up an explanation.
void showSubText(const QString& caption, const QString& text);

}  // namespace orr
