// ComputerHardware "COMPUTER HARDWARE": the keyboard encoder and character
// codes, mouse signals, additive colour mixing, display scanning and video
// memory, disk timing and capacity, the optical disk, and a key press sent as
// an RS232 frame and in parallel.
#pragma once

#include <QSlider>
#include <QTimer>
#include <array>
#include <vector>

#include "topics/framework/topic_form.h"
#include "topics/hardware/hardware_model.h"

namespace orr {

class ComputerHardware : public TopicForm {
    Q_OBJECT
public:
    ComputerHardware();

    QTimer* Timer1 = nullptr;  // keyboard-encoder scan and flat-panel scan
    QTimer* Timer2 = nullptr;  // optical disk
    std::vector<QSlider*> Slider1;

    hardware::DiskParams disk;
    std::array<int, 10> keyCodes{};  // slots 1 to 9; the serial examples keep their key in slot 8
    int colourIndex = 1;
    QString vdu;                 // what has been typed on the keyboard-encoder example
    int scanRow = 0, scanColumn = 0;
    bool scanning = false;       // the encoder scan has not yet reached the key
    int rollerPhase = 0;         // mouse roller: quadrature phase
    int lastDirection = 0;       // +1 right, -1 left
    int panelScan = 0;           // flat panel: pixels scanned in this frame
    int discStep = 0;            // optical disk: how far the track has moved

    void Trigger_Click(int index) override;
    void Slider1_Change(int index);
    // A key press on Picture1: its character code, 0 to 255 (others are ignored).
    void Picture1_KeyPress(int code);
    void Timer1_Timer();
    void Timer2_Timer();
    void formActivate() override;
    void formDeactivate() override;
    void formQueryUnload() override;

    // The line levels and key texts (also read by the tests).
    static QString characterName(int code);

protected:
    void setDefaults() override;
    void setToolbarFlags(SuiteState::ToolbarFlags& f) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& p) override;
    QString quantityTypeFor(int e, int index) const override;
    void takeValue(int e, int index, double value) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stopTimers();
    // Shows or hides the sliders; shown, they sit in the picture's lower right.
    void placeSliders(bool shown);
    void drawCharacterCodes();
    void drawMouse();
    void drawColourMixing();
    void drawFlatPanel();
    void drawGraphicsAdaptor();
    void drawIntensityLevels();
    void drawColourMonitor();
    void drawDiskDrive();
    void drawOpticalDisk();
    void drawSerialPort();
    void drawSerialParallel();
};

QString computerHardwareCaption(int e);
void computerHardwareTheory(int e, std::array<QString, 4>& p);

}  // namespace orr
