// The state the whole suite shares: current window and picture, drawing
// scale and offsets, the value-entry state, the per-topic tables and the
// theory window's texts. One instance, reached through suite().
//
// The three references into windows (current window, current picture, edited
// input label) are guarded pointers: they read as null once the window they
// point into is destroyed, so nothing keeps calling into a closed topic.
#pragma once

#include <QPointer>
#include <QString>
#include <array>

// Complete classes for the guarded pointers below.
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture.h"

namespace orr {

struct SuiteState {
    // Application shell
    QString applicationTitle = QStringLiteral("Orrinvale V10");
    QString paragraphBreak = QStringLiteral("\n\n");
    int openWindowCount = 0;
    QPointer<Form> currentWindow;
    int contentsPosition = 0;
    int indexFirst = 3;  // contents positions, group 2
    int indexLast = 270;
    int savedWidth = 0;  // twips
    int savedHeight = 0;
    QString theoryCaption;
    std::array<QString, 4> theory;
    // Which companion source the Copy action takes: 0 the picture, others set by
    // the companion windows when they activate.
    int copySource = 0;
    bool printCalcs = false;
    bool printGraph = false;

    // Drawing kit
    QPointer<PictureBox> currentPicture;
    float zoomLevel = 0;
    float drawingScale = 1.0f;
    int textOffset = 0;  // horizontal text offset

    // Value entry
    bool entryLock = false;
    QPointer<Label> editedInputLabel;
    QString quantityType;
    int entryWidth = 0;

    // Topic framework
    int selectorCount = 0;
    std::array<int, 138> selectedExample{};
    std::array<int, 138> toolbarSets{};
    struct ToolbarFlags {
        bool print = false, copy = false, notes = false, calcs = false, graph = false;
    } toolbarFlags;
};

SuiteState& suite();

}  // namespace orr
