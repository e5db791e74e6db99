// ComputerHardware: the window's controls, the examples' set-up, the disk
// entries, key presses on the picture, the sliders and the two timers.
#include "topics/hardware/computer_hardware.h"

#include <QKeyEvent>
#include <cmath>

#include "values/limit_value.h"
#include "values/formatters.h"

namespace orr {

namespace {

constexpr int kEncoderTickMs = 80;
constexpr int kPanelTickMs = 40;
constexpr int kDiscTickMs = 150;
constexpr int kStartRed = 125, kStartGreen = 200, kStartBlue = 50;

// The selector captions and quantity types of the disk entries.
const char* const kDiskCaptions[] = {"Rotation r.p.m.", "Seek time", "Surfaces", "Sectors", "Tracks", "Bytes/Sector"};
const char* const kDiskTypes[] = {"Positive Integer No.", "Time.", "Positive Integer No.",
                                  "Positive Integer No.", "Positive Integer No.", "Bytes."};

// The character code of a key: its text when it has one, otherwise the key
// itself (Enter, Tab, Backspace, Escape and Delete have codes of their own).
int keyCode(const QKeyEvent* e)
{
    if (!e->text().isEmpty())
        return e->text().at(0).unicode();
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Delete: return 127;
    default: return e->key();
    }
}

}  // namespace

QString computerHardwareCaption(int e)
{
    static const char* const captions[] = {"Character Codes.",
                                           "Mouse Signals.",
                                           "Additive Colour Mixing.",
                                           "Flat Panel Display.",
                                           "Simple Graphics Adaptor.",
                                           "256 Intensity Levels.",
                                           "Colour Monitor.",
                                           "Disk Drives.",
                                           "CD-ROM/DVD.",
                                           "Serial Port Communications.",
                                           "Serial and Parallel Data Transfer."};
    return e >= 0 && e < 11 ? QString::fromLatin1(captions[e]) : QString();
}

QString ComputerHardware::characterName(int code)
{
    static const char* const controls[] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                           "BS",  "TAB", "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                           "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                           "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
    if (code >= 0 && code < 32)
        return QString::fromLatin1(controls[code]);
    if (code == 32)
        return QStringLiteral("Space");
    if (code == 127)
        return QStringLiteral("DEL");
    if (code >= 128 && code < 160)
        return QStringLiteral("Control");
    return QString(QChar(code));
}

ComputerHardware::ComputerHardware() : TopicForm(QStringLiteral("ComputerHardware"), 6, 2)
{
    title = QStringLiteral("COMPUTER HARDWARE");
    setTopicId(121);
    setDrawingFrame(0, 1.0f);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &ComputerHardware::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kDiscTickMs);
    connect(Timer2, &QTimer::timeout, this, &ComputerHardware::Timer2_Timer);
    const int starts[] = {kStartRed, kStartGreen, kStartBlue};
    for (int i = 0; i < 3; ++i) {
        auto* s = new QSlider(Qt::Horizontal, Picture1);
        s->setObjectName(controlName(QStringLiteral("Slider1"), i));
        s->setRange(0, 255);
        s->setValue(starts[i]);
        s->hide();
        connect(s, &QSlider::valueChanged, this, [this, i] { Slider1_Change(i); });
        Slider1.push_back(s);
    }
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->installEventFilter(this);
}

void ComputerHardware::setDefaults()
{
    disk = {};
}

void ComputerHardware::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void ComputerHardware::stopTimers()
{
    Timer1->stop();
    Timer2->stop();
}

void ComputerHardware::configureExample(int e)
{
    setCaption(title + QStringLiteral(":   ") + computerHardwareCaption(e));
    stopTimers();
    scanning = false;
    panelScan = 0;
    Panel3D1->setVisible(e != 2);
    suite().selectorCount = e == 7 ? 5 : -1;
    if (e == 7)
        for (int i = 0; i < 6; ++i)
            SelectButton[std::size_t(i)]->setCaption(QString::fromLatin1(kDiskCaptions[i]));
    setLabelQuietly(0, FormatNumber(disk.rpm));
    setLabelQuietly(1, FormatSeconds(disk.seekTime));
    setLabelQuietly(2, FormatNumber(disk.surfaces));
    setLabelQuietly(3, FormatNumber(disk.sectors));
    setLabelQuietly(4, FormatNumber(disk.tracks));
    setLabelQuietly(5, FormatBytes(disk.bytesPerSector));

    const bool two = e == 1 || e == 3 || e == 5 || e == 8;
    triggerSetup(e == 0 || e == 1 || (e >= 3 && e <= 6) || e == 8, two, false);
    const auto captions = [this](const char* a, const char* b) {
        Trigger[0]->setCaption(QString::fromLatin1(a));
        Trigger[1]->setCaption(QString::fromLatin1(b));
    };
    switch (e) {
    case 0: captions("Clear Screen", ""); break;
    case 1: captions("Rotate left", "Rotate right"); break;
    case 3: captions("Start Scan", "Stop Scan"); break;
    case 5: captions("Refresh", "Next Colour"); break;
    case 8:
        captions("Start", "Stop");
        Timer2->start();
        break;
    default: captions("Refresh", ""); break;
    }
    if (e == 2) {
        const int starts[] = {kStartRed, kStartGreen, kStartBlue};
        for (int i = 0; i < 3; ++i) {
            const QSignalBlocker quiet(Slider1[std::size_t(i)]);
            Slider1[std::size_t(i)]->setValue(starts[i]);
        }
    }
    placeSliders(e == 2);
    if (e == 0 || e == 9 || e == 10)
        Picture1->setFocus(Qt::OtherFocusReason);
}

void ComputerHardware::placeSliders(bool shown)
{
    for (int i = 0; i < 3; ++i) {
        QSlider* s = Slider1[std::size_t(i)];
        s->setVisible(shown);
        if (shown)
            s->setGeometry(int(Picture1->toPixelX(470)), int(Picture1->toPixelY(292 + 34 * i)),
                           int(Picture1->toPixelX(200)), int(Picture1->toPixelY(22)));
    }
}

QString ComputerHardware::quantityTypeFor(int, int index) const
{
    return QString::fromLatin1(kDiskTypes[std::clamp(index, 0, 5)]);
}

void ComputerHardware::takeValue(int e, int index, double value)
{
    if (e != 7)
        return;
    switch (index) {
    case 0:
        disk.rpm = float(value);
        LimitValue(disk.rpm, 10000, -1);
        LimitValue(disk.rpm, 1, 2);  // the rotation delay divides by the speed
        break;
    case 1:
        disk.seekTime = float(value);
        LimitValue(disk.seekTime, 1, -1);
        break;
    case 2:
        disk.surfaces = float(value);
        LimitValue(disk.surfaces, 12, -1);
        break;
    case 3:
        disk.sectors = float(value);
        LimitValue(disk.sectors, 100, -1);
        break;
    case 4:
        disk.tracks = float(value);
        LimitValue(disk.tracks, 500, -1);
        break;
    default:
        disk.bytesPerSector = float(value);
        LimitValue(disk.bytesPerSector, 1000000, -1);
        break;
    }
}

void ComputerHardware::Trigger_Click(int index)
{
    switch (example()) {
    case 0:
        vdu.clear();
        break;
    case 1:
        rollerPhase += index == 0 ? -1 : 1;
        lastDirection = index == 0 ? -1 : 1;
        break;
    case 3:
        if (index == 0) {
            Timer1->setInterval(kPanelTickMs);
            Timer1->start();
        } else {
            Timer1->stop();
        }
        break;
    case 5:
        if (index == 1)
            colourIndex = hardware::nextColourIndex(colourIndex);
        break;
    case 8:
        if (index == 0)
            Timer2->start();
        else
            Timer2->stop();
        break;
    default: break;
    }
    results();
}

void ComputerHardware::Slider1_Change(int)
{
    if (example() == 2)
        results();
}

void ComputerHardware::Picture1_KeyPress(int code)
{
    if (code < 0 || code > 255)
        return;
    Picture1->setFocus(Qt::OtherFocusReason);
    const int e = example();
    if (e == 0) {
        keyCodes[1] = code;
        if (code == 8)
            vdu.chop(1);
        else if (code == 13)
            vdu += QChar(0x21B5);  // the new line shown as its own mark on the screen
        else if (code >= 32 && code != 127)
            vdu += QChar(code);
        if (vdu.size() > 180)
            vdu = vdu.right(180);
        // The encoder scans rows, then columns, until it meets the key.
        scanRow = 0;
        scanColumn = 0;
        scanning = true;
        Timer1->setInterval(kEncoderTickMs);
        Timer1->start();
    } else if (e == 9 || e == 10) {
        keyCodes[8] = code;
    } else {
        return;
    }
    results();
}

bool ComputerHardware::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1 && event->type() == QEvent::KeyPress) {
        const int e = example();
        if (e == 0 || e == 9 || e == 10) {
            const auto* k = static_cast<QKeyEvent*>(event);
            const int code = keyCode(k);
            const bool modifierOnly = k->text().isEmpty() &&
                                      (k->key() == Qt::Key_Shift || k->key() == Qt::Key_Control ||
                                       k->key() == Qt::Key_Alt || k->key() == Qt::Key_Meta);
            if (!modifierOnly)
                Picture1_KeyPress(code);
            return true;
        }
    }
    return TopicForm::eventFilter(watched, event);
}

void ComputerHardware::Timer1_Timer()
{
    const int e = example();
    if (!isShown() || (e != 0 && e != 3)) {
        Timer1->stop();
        return;
    }
    if (e == 0) {
        const auto target = hardware::encoderPosition(keyCodes[1]);
        if (scanRow < target.row)
            ++scanRow;
        else if (scanColumn < target.column)
            ++scanColumn;
        else {
            scanning = false;
            Timer1->stop();
        }
    } else {
        panelScan = (panelScan + 1) % (16 * 10 + 1);
    }
    results();
}

void ComputerHardware::Timer2_Timer()
{
    if (!isShown() || example() != 8) {
        Timer2->stop();
        return;
    }
    ++discStep;
    results();
}

void ComputerHardware::formActivate()
{
    TopicForm::formActivate();
    // An encoder scan cut short by leaving the window carries on to its key.
    if (example() == 0 && scanning)
        Timer1->start();
}

void ComputerHardware::formDeactivate()
{
    stopTimers();
    TopicForm::formDeactivate();
}

void ComputerHardware::formQueryUnload()
{
    stopTimers();
    TopicForm::formQueryUnload();
}

void ComputerHardware::drawExample(int e)
{
    switch (e) {
    case 0: drawCharacterCodes(); break;
    case 1: drawMouse(); break;
    case 2: drawColourMixing(); break;
    case 3: drawFlatPanel(); break;
    case 4: drawGraphicsAdaptor(); break;
    case 5: drawIntensityLevels(); break;
    case 6: drawColourMonitor(); break;
    case 7: drawDiskDrive(); break;
    case 8: drawOpticalDisk(); break;
    case 9: drawSerialPort(); break;
    default: drawSerialParallel(); break;
    }
}

void ComputerHardware::theoryParagraphs(int e, std::array<QString, 4>& p) { computerHardwareTheory(e, p); }

namespace {
RegisterForm<ComputerHardware> reg(QStringLiteral("ComputerHardware"));
}

}  // namespace orr
