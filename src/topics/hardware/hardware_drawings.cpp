// ComputerHardware: the diagram of each example, drawn through the kit.
#include <QImage>
#include <cmath>

#include "draw/block_diagram.h"
#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "draw/timing_symbols.h"
#include "topics/hardware/computer_hardware.h"
#include "values/formatters.h"

namespace orr {

namespace {

using hardware::DiskResults;

void text(int x, int y, const QString& t, long c = colour::Black, int size = 8, bool bold = false)
{
    printMeasured(x, y, t, c, size, bold);
}

void heading(int x, int y, const QString& t) { text(x, y, t, colour::Title, 10, true); }

void centred(int x, int y, const QString& t, long c = colour::Black, int size = 7, bool bold = false)
{
    printCentred(x, y, t, c, size, bold ? 1 : 0);
}

QString times() { return QString(QChar(0x00D7)); }

QString keyLine(const QString& lead, int code)
{
    return lead + ComputerHardware::characterName(code) + QStringLiteral("' = ") + QString::number(code);
}

// A row of level boxes, one per bit of text, pitch apart from x.
void bitRow(int x, int y, const std::string& bits, int pitch, long c)
{
    for (std::size_t i = 0; i < bits.size(); ++i)
        DrawLogicBit(x + int(i) * pitch, y, c, bits[i] == '1');
}

// A waveform of levels with each step carrying its bit, high at y.
void labelledWave(int x, int y, const std::string& levels, int step, int height, long c, bool inverted = false)
{
    std::string shown = levels;
    if (inverted)
        for (char& ch : shown)
            ch = ch == '1' ? '0' : '1';
    const int start = shown.empty() || shown.front() == '1' ? y : y + height;
    setDrawingColour(c);
    draw(x, start, QString::fromStdString("c" + std::to_string(c) + ' ' +
                                          hardware::waveformDrawString(shown, step, height)));
    for (std::size_t i = 0; i < levels.size(); ++i)
        centred(x + step * int(i) + step / 2, y + height / 2 - 6, QString(QChar(levels[i])), colour::Maroon, 7, true);
}

// Grid cell outlines: columns x rows cells of w x h from (x, y).
void grid(int x, int y, int columns, int rows, int w, int h, long c)
{
    for (int r = 0; r <= rows; ++r)
        boxOrLine(0, x, y + r * h, 0, columns * w, 0, c, QString());
    for (int k = 0; k <= columns; ++k)
        boxOrLine(0, x + k * w, y, 0, 0, rows * h, c, QString());
}

// The 15 x 10 picture held by the simple graphics adaptor: a house under the sun.
const char* const kMonoPicture[10] = {
    "000000000000111", "000001000000111", "000011100000000", "000111110000000", "001111111000000",
    "011111111100000", "001100011000000", "001101011000000", "001111011000000", "111111111111111"};

// The shade of a 256-level pixel: a gradient across and down the screen.
int shadeAt(int row, int column) { return (row * 8 + column) * 255 / 47; }

// The colour monitor's three video memories for its 4 x 3 pixels.
int channelAt(int channel, int row, int column)
{
    static const int values[3][12] = {{200, 255, 0, 90, 255, 30, 128, 0, 64, 255, 180, 10},
                                      {120, 255, 200, 0, 128, 144, 128, 80, 64, 0, 220, 10},
                                      {40, 0, 255, 160, 0, 255, 128, 160, 64, 255, 30, 10}};
    return values[channel][row * 4 + column];
}

// A disc seen from above: the platter, its tracks as rings firstTrack, then
// pitch apart, outwards, and the white spindle hole.
void drawPlatter(int cx, int cy, int radius, int tracks, int firstTrack, int pitch)
{
    circle(-3, cx, cy, radius, colour::ButtonFace);
    for (int t = 0; t < tracks; ++t)
        circle(0, cx, cy, firstTrack + pitch * t, colour::Grey);
    circle(-3, cx, cy, 16, colour::White);
}

}  // namespace

void ComputerHardware::drawCharacterCodes()
{
    const int code = keyCodes[1];
    heading(10, 4, QStringLiteral("Character Codes."));
    text(10, 24, QStringLiteral("Enter data from your keyboard."), colour::Red, 8, true);
    text(230, 24, QStringLiteral("Type a simple message."), colour::Grey, 8);
    // The encoder matrix: 8 row lines by 16 column lines, a key at each crossing.
    constexpr int x0 = 40, y0 = 72, cw = 16, ch = 14;
    text(x0, 40, QStringLiteral("Keyboard Encoder"), colour::Title, 8, true);
    const auto target = hardware::encoderPosition(code);
    for (int c = 0; c < 16; ++c)
        centred(x0 + c * cw + cw / 2, y0 - 12, QStringLiteral("%1").arg(c, 0, 16).toUpper(), colour::Grey, 6);
    for (int r = 0; r < 8; ++r) {
        centred(x0 - 10, y0 + r * ch + 1, QString::number(r), colour::Grey, 6);
        for (int c = 0; c < 16; ++c) {
            long fill = colour::White;
            if (scanning && r == scanRow && c == scanColumn)
                fill = colour::Lime;
            else if (!scanning && code < 128 && r == target.row && c == target.column)
                fill = colour::Yellow;
            DrawLabelledBox(x0 + c * cw + 1, y0 + r * ch + 1, cw - 2, ch - 2, QString(), fill, colour::Black);
        }
    }
    const int shownRow = scanning ? scanRow : target.row, shownColumn = scanning ? scanColumn : target.column;
    if (shownRow < 8)
        boxOrLine(0, x0 - 4, y0 + shownRow * ch + ch / 2, 0, 16 * cw + 8, 0, colour::Red, QString());
    boxOrLine(0, x0 + shownColumn * cw + cw / 2, y0 - 2, 0, 0, 8 * ch + 4, colour::Red, QString());
    text(x0, y0 + 8 * ch + 8, QStringLiteral("Row Count = ") + QString::number(shownRow), colour::Navy, 8, true);
    text(x0 + 130, y0 + 8 * ch + 8, QStringLiteral("Column Count = ") + QString::number(shownColumn), colour::Navy, 8,
         true);
    if (code >= 128)
        text(x0, y0 + 8 * ch + 24, QStringLiteral("Codes above 127 come from the extended character set."),
             colour::Grey, 7);

    // The code path from the encoder to the screen.
    const QString rows[][2] = {
        {QStringLiteral("Binary from Key Encoder"), QString::fromStdString(hardware::dataBits(code))},
        {QStringLiteral("Hexadecimal Equivalent"), QStringLiteral("%1h").arg(code, 2, 16, QLatin1Char('0')).toUpper().replace(QLatin1String("H"), QLatin1String("h"))},
        {QStringLiteral("ASCII Code"), QString::number(code)},
        {QStringLiteral("Character Generated"), characterName(code)},
    };
    for (int k = 0; k < 4; ++k) {
        const int y = 50 + 40 * k;
        text(350, y + 6, rows[k][0], colour::Black, 8);
        DrawLabelledBox(540, y, 130, 26, rows[k][1], k == 3 ? colour::Yellow : colour::Cyan, colour::Black, 9, true);
        if (k < 3)
            DrawArrow(605, y + 26, 605, y + 39, colour::Navy);
    }
    text(350, 214, keyLine(QStringLiteral("Key-press = Character '"), code), colour::Maroon, 8, true);

    // The VDU: what has been typed, wrapped across its screen.
    DrawLabelledBox(30, 250, 640, 140, QString(), colour::Grey, colour::Black);
    DrawLabelledBox(44, 262, 612, 108, QString(), colour::Navy, colour::Black);
    centred(350, 374, QStringLiteral("VDU"), colour::White, 7, true);
    constexpr int perLine = 64;
    for (int line = 0; line * perLine < vdu.size() && line < 6; ++line)
        text(52, 266 + 17 * line, vdu.mid(line * perLine, perLine), colour::Lime, 8);
}

void ComputerHardware::drawMouse()
{
    heading(10, 4, QStringLiteral("Mouse Signals."));
    // The ball and its two rollers, one for each direction of movement.
    circle(-3, 110, 170, 55, colour::ButtonFace);
    text(55, 236, QStringLiteral("Mouse/Tracker Ball"), colour::Navy, 8, true);
    text(40, 252, QStringLiteral("Two rollers set at 90"), colour::Navy, 8);
    text(40 + measuredWidth(QStringLiteral("Two rollers set at 90"), 8), 252, QString(QChar(0x00B0)), colour::Navy, 8);
    DrawLabelledBox(166, 158, 30, 24, QStringLiteral("X"), colour::Yellow, colour::Black, 7);
    DrawLabelledBox(98, 90, 24, 24, QStringLiteral("Y"), colour::Yellow, colour::Black, 7);
    boxOrLine(0, 196, 170, 0, 34, 0, colour::Black, QString());
    boxOrLine(0, 110, 90, 0, 0, -30, colour::Black, QString());
    circle(0, 110, 52, 8, colour::Black);
    // The slotted wheel on the X roller's shaft turns between a light and two sensors.
    circle(-3, 262, 170, 32, colour::White);
    for (int s = 0; s < 8; ++s) {
        const double a = (s * 45 + rollerPhase * 11.25) * M_PI / 180;
        boxOrLine(0, 262 + 18 * std::cos(a), 170 - 18 * std::sin(a), 0, 12 * std::cos(a), -12 * std::sin(a),
                  colour::Black, QStringLiteral(""));
    }
    largeDot(262, 170, colour::Black);
    DrawLabelledBox(240, 118, 44, 16, QStringLiteral("Light"), colour::LampLit, colour::Black, 7);
    text(300, 96, QStringLiteral("Pair of Sensors"), colour::Navy, 8, true);
    const auto now = hardware::sensorLevels(rollerPhase);
    for (int k = 0; k < 2; ++k) {
        const int y = 140 + 34 * k;
        DrawLabelledBox(298, y, 22, 16, k == 0 ? QStringLiteral("a") : QStringLiteral("b"), colour::Cyan, colour::Black,
                        8, true);
        DrawLogicBit(330, y + 2, colour::OutputLevel, now[std::size_t(k)] == 1);
        DrawArrow(342, y + 8, 419, y + 8, colour::Navy);
    }
    // The decoder compares the two phase-shifted signals.
    DrawLabelledBox(420, 132, 100, 60, QStringLiteral("Direction\ndecoder"), colour::Yellow, colour::Black, 8, true);
    DrawArrow(520, 162, 569, 162, colour::Navy);
    DrawLabelledBox(570, 132, 110, 60, QStringLiteral("Mouse\nserial\noutput"), colour::Cyan, colour::Black, 8, true);
    const QString dir = lastDirection > 0 ? QStringLiteral("Right") : lastDirection < 0 ? QStringLiteral("Left")
                                                                                        : QStringLiteral("None");
    text(420, 200, QStringLiteral("Direction = ") + dir, colour::Maroon, 9, true);
    // The last eight readings of a and b: b leads a turning right, lags it turning left.
    std::string a, b;
    for (int p = rollerPhase - 7; p <= rollerPhase; ++p) {
        a += char('0' + hardware::sensorLevels(p)[0]);
        b += char('0' + hardware::sensorLevels(p)[1]);
    }
    text(300, 226, QStringLiteral("Sensor signals (last eight steps)"), colour::Grey, 7);
    text(300, 250, QStringLiteral("a"), colour::Black, 8, true);
    labelledWave(320, 246, a, 24, 20, colour::Blue);
    text(300, 290, QStringLiteral("b"), colour::Black, 8, true);
    labelledWave(320, 286, b, 24, 20, colour::Red);
    // The buttons share the serial output.
    text(540, 222, QStringLiteral("Mouse Buttons."), colour::Title, 8, true);
    const char* const buttons[] = {"Left", "Middle", "Right"};
    for (int k = 0; k < 3; ++k) {
        DrawLabelledBox(530 + 52 * k, 244, 46, 22, QString::fromLatin1(buttons[k]), colour::White, colour::Black, 7);
        DrawArrow(553 + 52 * k, 244, 553 + 52 * k, 193, colour::Grey);
    }
}

void ComputerHardware::drawColourMixing()
{
    heading(10, 4, QStringLiteral("Additive Colour Mixing."));
    placeSliders(true);  // again on every redraw, so they follow a resized picture
    const int r = Slider1[0]->value(), g = Slider1[1]->value(), b = Slider1[2]->value();
    // The three disks, each pixel the sum of the lights that fall on it.
    struct Disk {
        double x, y;
        int channel;
    };
    const Disk disks[] = {{160, 150, 0}, {250, 150, 2}, {205, 105, 1}};
    const int level[] = {r, g, b};
    // Worked out pixel by pixel, so the disks stay round as the kit draws circles.
    constexpr double left = 80, top = 25, w = 250, h = 205;
    const double upx = Picture1->unitsPerPixelX(), upy = Picture1->unitsPerPixelY();
    const int iw = std::max(1, int(w / upx)), ih = std::max(1, int(h / upy));
    const double radius = 75 / upx;
    QImage img(iw, ih, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int py = 0; py < ih; ++py)
        for (int px = 0; px < iw; ++px) {
            int c[3] = {0, 0, 0};
            bool lit = false;
            for (const Disk& d : disks) {
                const double dx = (left + px * upx - d.x) / upx, dy = (top + py * upy - d.y) / upy;
                if (dx * dx + dy * dy > radius * radius)
                    continue;
                c[d.channel] = level[d.channel];
                lit = true;
            }
            if (lit)
                img.setPixel(px, py, qRgb(c[0], c[1], c[2]));
        }
    Picture1->paintPicture(img, left, top, w, h);
    for (const Disk& d : disks)
        circle(0, d.x, d.y, 75, colour::Grey);
    text(60, 200, QStringLiteral("Red"), colour::Red, 8, true);
    text(310, 200, QStringLiteral("Blue"), colour::Blue, 8, true);
    text(262, 36, QStringLiteral("Green"), colour::Green, 8, true);

    text(400, 26, QStringLiteral("Result of additive mixing."), colour::Title, 9, true);
    const struct {
        const char* label;
        int r, g, b;
    } bars[] = {{"R", r, 0, 0},  {"G", 0, g, 0}, {"B", 0, 0, b},  {"R+G", r, g, 0},
                {"R+B", r, 0, b}, {"G+B", 0, g, b}, {"R+G+B", r, g, b}};
    for (int k = 0; k < 7; ++k) {
        const int x = 400 + 42 * k;
        DrawLabelledBox(x, 50, 36, 100, QString(), colour::rgb(bars[k].r, bars[k].g, bars[k].b), colour::Black);
        centred(x + 18, 154, QString::fromLatin1(bars[k].label), colour::Black, 6);
    }
    DrawLabelledBox(400, 180, 120, 60, QString(), colour::rgb(r, g, b), colour::Black);
    text(530, 200, QStringLiteral("RGB(%1, %2, %3)").arg(r).arg(g).arg(b), colour::Maroon, 9, true);
    text(20, 262, QStringLiteral("Each light adds its own primary: red and green make yellow, all three make white."),
         colour::Navy, 8);
    const char* const names[] = {"Red", "Green", "Blue"};
    const long inks[] = {colour::Red, colour::Green, colour::Blue};
    for (int k = 0; k < 3; ++k) {
        text(400, 294 + 34 * k, QString::fromLatin1(names[k]), inks[k], 8, true);
        text(672, 294 + 34 * k, QString::number(level[k]), colour::Black, 8);
    }
    text(20, 300, QStringLiteral("Move the sliders to set each intensity,"), colour::Grey, 8);
    text(20, 316, QStringLiteral("from 0 (off) to 255 (full)."), colour::Grey, 8);
}

void ComputerHardware::drawFlatPanel()
{
    heading(10, 4, QStringLiteral("Flat Panel Display."));
    constexpr int x0 = 50, y0 = 60, cell = 18, columns = 16, rows = 10;
    text(x0, 24, QStringLiteral("Computer Monitor Screen"), colour::Title, 8, true);
    text(x0, 42, QStringLiteral("Column drivers (data)"), colour::Grey, 7);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int index = r * columns + c;
            long fill = colour::Black;
            if (index < panelScan) {
                const bool sun = (c - 12) * (c - 12) + (r - 2) * (r - 2) <= 3;
                fill = sun ? colour::Yellow : r < 7 ? colour::Cyan : colour::Green;
            }
            DrawLabelledBox(x0 + c * cell, y0 + r * cell, cell, cell, QString(), fill, colour::Grey);
        }
    const int at = std::min(panelScan, columns * rows - 1), row = at / columns, column = at % columns;
    boxOrLine(0, x0 - 12, y0 + row * cell + cell / 2, 0, 12, 0, colour::Red, QString());
    boxOrLine(0, x0 + column * cell + cell / 2, y0 - 10, 0, 0, 10, colour::Red, QString());
    DrawLabelledBox(x0 + column * cell, y0 + row * cell, cell, cell, QString(), colour::White, colour::Red);
    int labelY = y0 + 20;
    verticalText(x0 - 30, labelY, QStringLiteral("Row drivers"), colour::Grey, 0);
    text(x0, y0 + rows * cell + 10,
         QStringLiteral("Row = %1   Column = %2   Pixels scanned = %3 of 160").arg(row + 1).arg(column + 1).arg(panelScan),
         colour::Maroon, 8, true);
    text(x0, y0 + rows * cell + 28, Timer1->isActive() ? QStringLiteral("Scanning.") : QStringLiteral("Scan stopped."),
         colour::Grey, 8);
    // One pixel enlarged: the row line switches its transistor on, the column line charges the cell.
    text(430, 24, QStringLiteral("Thin Film Transistor (TFT)."), colour::Title, 9, true);
    DrawLabelledBox(430, 60, 240, 190, QString(), colour::White, colour::Grey);
    boxOrLine(0, 430, 90, 0, 240, 0, colour::Red, QString());
    text(436, 74, QStringLiteral("Row (gate) line"), colour::Red, 7);
    boxOrLine(0, 470, 60, 0, 0, 190, colour::Blue, QString());
    text(476, 232, QStringLiteral("Column (data) line"), colour::Blue, 7);
    DrawFet(520, 140, true, QString());
    // Gate to the row line, drain to the column line, source to the cell.
    boxOrLine(0, 491, 161, 0, 0, -71, colour::Red, QString());
    boxOrLine(0, 470, 108, 0, 75, 0, colour::Blue, QString());
    boxOrLine(0, 545, 108, 0, 0, 16, colour::Blue, QString());
    boxOrLine(0, 545, 176, 0, 0, 14, colour::Black, QString());
    boxOrLine(0, 545, 190, 0, 35, 0, colour::Black, QString());
    DrawLabelledBox(580, 170, 70, 40, QStringLiteral("Liquid\ncrystal cell"), colour::Cyan, colour::Black, 7);
    text(430, 262, QStringLiteral("Each pixel has its own transistor, switched on"), colour::Navy, 7);
    text(430, 276, QStringLiteral("while its row is driven; the column voltage then"), colour::Navy, 7);
    text(430, 290, QStringLiteral("sets how much light the cell lets through."), colour::Navy, 7);
}

void ComputerHardware::drawGraphicsAdaptor()
{
    heading(10, 4, QStringLiteral("Simple Graphics Adaptor."));
    constexpr int x0 = 30, y0 = 50, cell = 16;
    text(x0, 30, QStringLiteral("Monochrome Monitor Screen"), colour::Title, 8, true);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 15; ++c)
            DrawLabelledBox(x0 + c * cell, y0 + r * cell, cell, cell, QString(),
                            kMonoPicture[r][c] == '1' ? colour::White : colour::Black, colour::Grey);
    text(380, 30, QStringLiteral("Simple Graphics RAM."), colour::Title, 8, true);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 15; ++c)
            centred(387 + c * 18, y0 + r * cell, QString(QChar(kMonoPicture[r][c])),
                    kMonoPicture[r][c] == '1' ? colour::Red : colour::Grey, 8);
    grid(378, y0 - 2, 15, 10, 18, cell, colour::ButtonFace);
    DrawArrow(376, 130, 272, 130, colour::Navy);
    text(288, 112, QStringLiteral("video"), colour::Navy, 7);
    text(x0, 222, QStringLiteral("Screen Resolution = 15 ") + times() + QStringLiteral(" 10"), colour::Maroon, 9, true);
    text(x0, 240, QStringLiteral("One bit of RAM for each pixel: 1 lit, 0 dark."), colour::Navy, 8);
    text(x0, 270, QStringLiteral("Typical monochrome resolutions:"), colour::Title, 8, true);
    text(x0, 288, QStringLiteral("320 ") + times() + QStringLiteral(" 200 = 64000 pixels or RAM locations."), colour::Black, 8);
    text(x0, 304, QStringLiteral("640 ") + times() + QStringLiteral(" 350 = 224000"), colour::Black, 8);
    text(x0, 320, QStringLiteral("720 ") + times() + QStringLiteral(" 348 = 250560"), colour::Black, 8);
}

void ComputerHardware::drawIntensityLevels()
{
    heading(10, 4, QStringLiteral("256 Intensity Levels."));
    const QString name = QString::fromStdString(hardware::colourName(colourIndex));
    text(300, 4, QStringLiteral("Colour = ") + name, colour::Maroon, 10, true);
    constexpr int x0 = 30, y0 = 50, cell = 28;
    text(x0, 30, QStringLiteral("Monitor Screen"), colour::Title, 8, true);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 8; ++c) {
            const auto ch = hardware::shadeChannels(colourIndex, shadeAt(r, c));
            DrawLabelledBox(x0 + c * cell, y0 + r * cell, cell, cell, QString(), colour::rgb(ch[0], ch[1], ch[2]),
                            colour::Grey);
        }
    text(300, 30, QStringLiteral("Graphics RAM Matrix."), colour::Title, 8, true);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 8; ++c)
            centred(318 + c * 36, y0 + 6 + r * cell, QString::number(shadeAt(r, c)), colour::Black, 8);
    grid(300, y0, 8, 6, 36, cell, colour::ButtonFace);
    text(300, 224, QStringLiteral("Shades range from 0 (min) to 255 (max) intensity."), colour::Navy, 8);
    text(x0, 224, QStringLiteral("One byte per pixel."), colour::Navy, 8);
    text(x0, 260, QStringLiteral("Typical resolutions, one byte each:"), colour::Title, 8, true);
    text(x0, 278, QStringLiteral("800 ") + times() + QStringLiteral(" 600 = 480000 pixels or RAM locations."), colour::Black, 8);
    text(x0, 294, QStringLiteral("1024 ") + times() + QStringLiteral(" 768 = 786432"), colour::Black, 8);
    text(x0, 310, QStringLiteral("1280 ") + times() + QStringLiteral(" 1024 = 1310720"), colour::Black, 8);
    text(x0, 340, QStringLiteral("Next Colour switches the primaries lit: blue, green and red are bits 0, 1 and 2 of the colour number."),
         colour::Grey, 7);
}

void ComputerHardware::drawColourMonitor()
{
    heading(10, 4, QStringLiteral("Colour Monitor."));
    const char* const names[] = {"Red", "Green", "Blue"};
    const long inks[] = {colour::Red, colour::Green, colour::Blue};
    for (int ch = 0; ch < 3; ++ch) {
        const int x0 = 20 + 230 * ch;
        text(x0, 30, QString::fromLatin1(names[ch]) + QStringLiteral(" Video Memory"), inks[ch], 8, true);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                centred(x0 + 22 + c * 44, 56 + r * 22, QString::number(channelAt(ch, r, c)),
                        r == 0 && c == 0 ? colour::Maroon : colour::Black, 8, r == 0 && c == 0);
        grid(x0, 50, 4, 3, 44, 22, colour::ButtonFace);
        DrawArrow(x0 + 88, 118, 330, 158, inks[ch]);
    }
    text(250, 142, QStringLiteral("Monitor Screen"), colour::Title, 8, true);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            DrawLabelledBox(260 + c * 40, 160 + r * 30, 40, 30, QString(),
                            colour::rgb(channelAt(0, r, c), channelAt(1, r, c), channelAt(2, r, c)), colour::Grey);
    text(20, 270, QStringLiteral("Example. row 1. column 1."), colour::Title, 9, true);
    for (int ch = 0; ch < 3; ++ch) {
        const int y = 292 + 18 * ch;
        text(20, y, QString::fromLatin1(names[ch]), inks[ch], 8, true);
        text(80, y, QStringLiteral("8-bit binary code ") + QString::fromStdString(hardware::dataBits(channelAt(ch, 0, 0))) +
                        QStringLiteral(" = ") + QString::number(channelAt(ch, 0, 0)),
             colour::Black, 8);
    }
    text(20, 354, QStringLiteral("Three bytes per pixel: 256 ") + times() + QStringLiteral(" 256 ") + times() +
                      QStringLiteral(" 256 = 16777216 colours."),
         colour::Navy, 8);
}

void ComputerHardware::drawDiskDrive()
{
    heading(10, 4, QStringLiteral("Disk Drives."));
    // One surface seen from above: tracks, sectors and the gaps between them.
    constexpr int cx = 110, cy = 120;
    drawPlatter(cx, cy, 92, 5, 40, 12);
    for (int s = 0; s < 8; ++s)
        for (double da : {-2.5, 2.5}) {
            const double a = (s * 45 + da) * M_PI / 180;
            boxOrLine(0, cx + 40 * std::cos(a), cy - 40 * std::sin(a), 0, 52 * std::cos(a), -52 * std::sin(a),
                      colour::Black, QString());
        }
    text(212, 70, QStringLiteral("Sector"), colour::Maroon, 8, true);
    DrawArrow(210, 76, 168, 76, colour::Maroon);
    text(222, 114, QStringLiteral("Gap"), colour::Maroon, 8, true);
    DrawArrow(220, 120, 204, 120, colour::Maroon);
    text(222, 160, QStringLiteral("Tracks"), colour::Maroon, 8, true);
    DrawArrow(220, 166, 190, 166, colour::Maroon);
    // The pack from the side: platters on one spindle, a head on each surface.
    constexpr int px = 300, pw = 200;
    boxOrLine(0, px + pw / 2, 40, 0, 0, 160, colour::Black, QString());
    for (int k = 0; k < 4; ++k) {
        const int y = 56 + 40 * k;
        DrawLabelledBox(px, y, pw, 6, QString(), colour::ButtonFace, colour::Black);
        for (int side : {-1, 1}) {
            boxOrLine(0, px + 150, y + 3 + side * 9, 0, 150, 0, colour::Navy, QString());
            DrawLabelledBox(px + 146, y + 3 + side * 9 - 3, 10, 6, QString(), colour::Red, colour::Black);
        }
    }
    boxOrLine(1, px + 151, 40, 0, 0, 160, colour::Green, QString());
    text(px + 120, 204, QStringLiteral("Cylinder"), colour::Green, 8, true);
    boxOrLine(0, px + 300, 40, 0, 0, 160, colour::Navy, QString());
    text(440, 14, QStringLiteral("Read/write head (both surfaces)"), colour::Maroon, 7, true);
    DrawArrow(451, 26, 451, 44, colour::Maroon);
    text(540, 204, QStringLiteral("Head positioning (seek)"), colour::Navy, 7, true);
    DrawArrow(610, 184, 660, 184, colour::Navy);
    DrawArrow(660, 194, 610, 194, colour::Navy);

    // The results.
    const DiskResults r = hardware::diskResults(disk);
    text(20, 230, QStringLiteral("0.5 = delay time averaging factor."), colour::Grey, 8);
    int bold = 1;
    printFraction(20, 254, 8, QStringLiteral("Average rotaton delay "), colour::Black, true,
                  QStringLiteral("0.5 ") + times() + QStringLiteral(" 60 (seconds)"), QStringLiteral("rotation speed r.p.m."),
                  bold);
    text(bold + 4, 254, QStringLiteral(" = ") + FormatSeconds(r.rotationDelay), colour::Maroon, 8, true);
    text(20, 290, QStringLiteral("Data Access Time = Average rotation delay + seek time = ") + FormatSeconds(r.accessTime),
         colour::Black, 8);
    text(20, 312, QStringLiteral("Data Transfer Rate = bytes per sector ") + times() + QStringLiteral(" Sectors ") +
                      times() + QStringLiteral(" ") + FormatNumber(disk.rpm) + QStringLiteral(" / 60 = ") +
                      FormatBytes(r.transferRate) + QStringLiteral("/sec"),
         colour::Black, 8);
    text(20, 334, QStringLiteral("Disk Capacity = Surfaces ") + times() + QStringLiteral(" Sectors ") + times() +
                      QStringLiteral(" Tracks ") + times() + QStringLiteral(" Bytes/Sector = ") + FormatBytes(r.capacity),
         colour::Black, 8);
    text(20, 356, QStringLiteral("In practice top and bottom surfaces of disk pack are not used for data."), colour::Grey, 8);
}

void ComputerHardware::drawOpticalDisk()
{
    heading(10, 4, QStringLiteral("CD-ROM/DVD."));
    constexpr int cx = 130, cy = 150;
    drawPlatter(cx, cy, 100, 6, 36, 11);
    const double a = discStep * 20.0 * M_PI / 180;
    boxOrLine(0, cx + 18 * std::cos(a), cy - 18 * std::sin(a), 0, 80 * std::cos(a), -80 * std::sin(a), colour::Red,
              QString());
    centred(cx, 258, QStringLiteral("CD-ROM/DVD (label side)."), colour::Navy, 8, true);
    centred(cx, 274, QStringLiteral("The track spirals outwards from the centre."), colour::Grey, 7);
    // The track in section, moving over the laser.
    static const std::string surface = "LLLPPPLLPPPPLLLPPLLLLPPPLLPPLLLLPPPPPL";
    constexpr int x0 = 300, cells = 24, cw = 16, top = 80;
    std::string seen;
    for (int k = 0; k <= cells; ++k)
        seen += surface[std::size_t((discStep + k) % int(surface.size()))];
    text(x0, 40, QStringLiteral("The track in section (pits and lands)"), colour::Title, 8, true);
    DrawLabelledBox(x0, top, cells * cw, 14, QString(), colour::Cyan, colour::Black);
    for (int k = 0; k < cells; ++k)
        if (seen[std::size_t(k)] == 'P')
            DrawLabelledBox(x0 + k * cw, top + 14, cw, 10, QString(), colour::White, colour::White);
    boxOrLine(0, x0, top + 24, 0, cells * cw, 0, colour::Black, QString());
    text(x0, top - 14, QStringLiteral("Land"), colour::Black, 7);
    text(x0 + cells * cw - 50, top + 28, QStringLiteral("Pits below"), colour::Black, 7);
    constexpr int laserCell = 12;
    const int lx = x0 + laserCell * cw;
    boxOrLine(11, lx, top + 26, 0, 0, 74, colour::Red, QString());
    DrawLabelledBox(lx - 40, top + 100, 80, 26, QStringLiteral("Laser"), colour::Yellow, colour::Black, 8, true);
    DrawLabelledBox(lx + 60, top + 100, 110, 26, QStringLiteral("Photo detector"), colour::Yellow, colour::Black, 8, true);
    DrawArrow(lx + 4, top + 30, lx + 60, top + 100, colour::Maroon);
    // The bits read: a pit edge is a 1, a flat stretch a 0.
    const std::string bits = hardware::pitsToBits(seen);
    text(x0, top + 140, QStringLiteral("Bits read (pit edge = 1, no change = 0):"), colour::Title, 8, true);
    for (int k = 0; k < cells - 1; ++k)
        centred(x0 + (k + 1) * cw, top + 160, QString(QChar(bits[std::size_t(k)])),
                k + 1 == laserCell ? colour::Red : colour::Black, 8, k + 1 == laserCell);
    text(x0, top + 190, Timer2->isActive() ? QStringLiteral("Disk turning.") : QStringLiteral("Disk stopped."),
         colour::Grey, 8);
}

void ComputerHardware::drawSerialPort()
{
    const int code = keyCodes[8];
    heading(10, 4, QStringLiteral("RS232 Format '8-bits, odd parity, one stop bit'"));
    text(10, 24, keyLine(QStringLiteral("Key-press = Character '"), code), colour::Maroon, 9, true);
    text(360, 24, QStringLiteral("Frame = ") + QString::fromStdString(hardware::rs232Frame(code)), colour::Navy, 9, true);
    text(10, 42, QStringLiteral("Press a key to send it."), colour::Grey, 7);
    constexpr int x0 = 60, step = 48;
    const std::string levels = '1' + hardware::rs232Levels(code) + '1';
    text(36, 74, QStringLiteral("5V"), colour::Black, 7);
    text(36, 104, QStringLiteral("0V"), colour::Black, 7);
    labelledWave(x0, 80, levels, step, 30, colour::Blue);
    const auto mid = [&](int k) { return x0 + step * k + step / 2; };
    centred(mid(2), 120, QStringLiteral("LSB"), colour::Grey, 7);
    centred(mid(9), 120, QStringLiteral("MSB"), colour::Grey, 7);
    centred(mid(1), 136, QStringLiteral("Start bit (LOW)"), colour::Black, 7, true);
    centred((mid(2) + mid(9)) / 2, 136, QStringLiteral("8-data bits"), colour::Black, 7, true);
    centred(mid(11), 136, QStringLiteral("Stop bit (HIGH)"), colour::Black, 7, true);
    centred(mid(0), 152, QStringLiteral("Previous stop bit"), colour::Black, 7, true);
    centred(mid(10), 152, QStringLiteral("Parity bit"), colour::Black, 7, true);
    for (int k : {2, 10})
        boxOrLine(2, x0 + step * k, 74, 0, 0, 42, colour::Grey, QString());
    // The driver turns TTL levels into the line's inverted +12V / -12V levels.
    DrawLabelledBox(10, 176, 100, 24, QStringLiteral("RS232 Driver"), colour::Yellow, colour::Black, 8, true);
    DrawArrow(60, 200, 60, 226, colour::Navy);
    text(120, 182, QStringLiteral("TTL levels in, line levels out"), colour::Grey, 7);
    text(120, 214, QStringLiteral("+12V logic 0"), colour::Black, 7);
    text(120, 266, QStringLiteral("-12V logic 1"), colour::Black, 7);
    labelledWave(x0 + step, 232, levels.substr(1), step, 30, colour::Red, true);
    // The receiver looks for a stop level, a falling start edge and a stop again.
    DrawLabelledBox(560, 290, 120, 24, QStringLiteral("RS232 Receiver"), colour::Yellow, colour::Black, 8, true);
    text(10, 296, QStringLiteral("Character search pattern"), colour::Title, 8, true);
    DrawWaveform(x0, 322, QStringLiteral("10"), step, 24, colour::Navy);
    DrawLabelledBox(x0 + 2 * step, 322, 9 * step, 24, QStringLiteral("Don't care"), colour::ButtonFace, colour::Black, 7);
    DrawWaveform(x0 + 11 * step, 322, QStringLiteral("1"), step, 24, colour::Navy);
    boxOrLine(0, x0 + 2 * step - 1, 346, 0, 1, 0, colour::Navy, QString());
    centred(x0 + step, 352, QStringLiteral("Start HIGH to LOW"), colour::Black, 7);
    centred(mid(11), 352, QStringLiteral("Stop HIGH"), colour::Black, 7);
}

void ComputerHardware::drawSerialParallel()
{
    const int code = keyCodes[8];
    heading(10, 4, QStringLiteral("Serial and Parallel Data Transfer."));
    text(400, 6, keyLine(QStringLiteral("Last key press. Character '"), code), colour::Maroon, 8, true);
    text(10, 26, QStringLiteral("Serial Data Format one start bit, '8 data bits', one stop bit'"), colour::Title, 8, true);
    DrawLabelledBox(10, 56, 80, 50, QStringLiteral("Sender"), colour::Cyan, colour::Black, 8, true);
    DrawLabelledBox(610, 56, 80, 50, QStringLiteral("Receiver"), colour::Cyan, colour::Black, 8, true);
    constexpr int x0 = 110, step = 48;
    labelledWave(x0, 64, hardware::serialLevels(code), step, 30, colour::Blue);
    boxOrLine(0, 90, 100, 0, 520, 0, colour::Grey, QString());
    text(40, 112, QStringLiteral("Clock"), colour::Grey, 7);
    DrawWaveform(x0, 112, QStringLiteral("10101010101010101010"), step / 2, 12, colour::Grey);
    text(x0, 132, QStringLiteral("Period = ten clock pulses."), colour::Navy, 8, true);

    text(250, 160, QStringLiteral("Physical Cable Link."), colour::Title, 9, true);
    boxOrLine(2, 10, 180, 0, 680, 0, colour::Grey, QString());

    text(10, 190, QStringLiteral("Eight Parallel Data Cables."), colour::Title, 8, true);
    DrawLabelledBox(10, 210, 80, 140, QStringLiteral("Sender"), colour::Cyan, colour::Black, 8, true);
    DrawLabelledBox(610, 210, 80, 140, QStringLiteral("Receiver"), colour::Cyan, colour::Black, 8, true);
    const std::string bits = hardware::dataBits(code);
    for (int k = 0; k < 8; ++k) {
        const int y = 218 + 16 * k;
        boxOrLine(0, 90, y + 6, 0, 520, 0, colour::Grey, QString());
        text(100, y, QStringLiteral("D%1").arg(k), colour::Black, 7);
        DrawLogicBit(340, y, colour::OutputLevel, bits[std::size_t(7 - k)] == '1');
    }
    text(300, 362, QStringLiteral("Clock"), colour::Grey, 7);
    DrawWaveform(340, 360, QStringLiteral("10"), 40, 12, colour::Grey);
    text(100, 362, QStringLiteral("Period = one clock pulse."), colour::Navy, 8, true);
}

}  // namespace orr
