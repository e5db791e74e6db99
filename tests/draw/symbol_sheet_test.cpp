// The symbol sheet: every symbol of the library drawn on one picture at the
// logic topics' drawing scale and saved as symbol_sheet.png beside the test
// program, so that anyone can look at them all at once.
#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include "draw/primitives.h"
#include "draw/symbols.h"
#include "platform/picture.h"
#include "state/suite_state.h"

#include <gtest/gtest.h>

namespace orr::test {
namespace {

void caption(int x, int y, const QString& text)
{
    int bold = 0;
    printAt(x, y, text, 8, 7, bold);
}

void drawSheet()
{
    int bold = 0;
    printAt(20, 8, "Orrinvale V10 symbol library", 1, 10, bold);

    const int gy = 70;
    DrawAndGate(60, gy);
    DrawNandGate(220, gy);
    DrawOrGate(380, gy);
    DrawNorGate(540, gy);
    DrawXorGate(700, gy);
    DrawNotGate(860, gy);
    const char* large[] = {"DrawAndGate", "DrawNandGate", "DrawOrGate", "DrawNorGate", "DrawXorGate", "DrawNotGate"};
    for (int i = 0; i < 6; ++i)
        caption(40 + 160 * i, gy + 30, large[i]);

    const int sy = 160;
    DrawAndGateSmall(40, sy);
    DrawNandGateSmall(130, sy);
    DrawOrGateSmall(220, sy);
    DrawNorGateSmall(310, sy);
    DrawNotGateSmall(420, sy);
    caption(30, sy + 18, "Small gates: AND, NAND, OR, NOR, NOT");
    DrawLogic0(520, sy - 5, 12);
    DrawLogic1(545, sy - 5, 9);
    DrawLogicBit(575, sy - 6, 12, true);
    DrawLogicBit(595, sy - 6, 9, false);
    caption(515, sy + 18, "Logic levels");
    int tx = 660;
    DrawTruthRow(tx, sy - 22, "S-R-Q-OQ", 8, 1, 0);
    tx = 660;
    DrawTruthRow(tx, sy - 8, "0-1-0-1", 8, 0, 0);
    caption(660, sy + 18, "DrawTruthRow");

    const int cy = 235;
    DrawRsFlipFlopSymbol(60, cy);
    DrawResistor(210, cy + 30, "1", 14, 4700);
    DrawResistorVertical(330, cy, "2", 10, 1000000);
    DrawCapacitor(430, cy, "1", 9, 4.7e-6f);
    DrawCapacitorHorizontal(510, cy + 30, "2", 11, 2.2e-9f, true);
    DrawInductor(620, cy + 30, "1", 0.01f);
    DrawEarth(770, cy + 10);
    DrawLamp(860, cy + 30, 14);

    const int ty = 420;
    DrawNpnTransistor(30, ty, "T1");
    DrawPnpTransistor(330, ty, "T2");
    DrawTransistorPair(380, ty - 20, "Darlington");
    DrawFet(660, ty - 10, true, "T4");
    DrawFet(760, ty - 10, false, "T5");
    DrawBattery(900, ty - 40, 2, 1);
    DrawBattery(790, ty + 60, 3, 0);

    const int wy = 560;
    DrawLed(50, wy - 20, 12, "LED1");
    DrawOpAmp(170, wy - 35);
    DrawPushSwitch(340, wy - 10, "S1", false);
    DrawPushSwitch(410, wy - 10, "S2", true);
    DrawChangeoverSwitch(460, wy, 0);
    DrawChangeoverSwitchLeft(560, wy, 1);
    DrawSupplyTerminal(600, wy - 10, "+5V", 12);
    DrawToggleSwitch(700, wy, false, "Switch A");
    DrawToggleSwitch(790, wy, true, "Switch B");

    const int dy = 650;
    DrawDiodes(40, dy, "D1", 0);
    DrawDiodes(130, dy, "D2", 1);
    DrawDiodes(240, dy - 15, "D3", 2);
    DrawDiodes(320, dy - 15, "D4", 3);
}

TEST(SymbolSheet, DrawsEverySymbolAndSavesThePicture)
{
    PictureBox pic;
    pic.resize(1000, 900);
    pic.setScaleWidth(1000);
    pic.setScaleHeight(900);
    pic.cls();
    suite().currentPicture = &pic;
    suite().textOffset = 0;
    suite().zoomLevel = 0;
    suite().drawingScale = 1.28f;
    drawSheet();
    suite().currentPicture = nullptr;
    suite().drawingScale = 1.0f;

    const QImage img = pic.image();
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("symbol_sheet.png");
    EXPECT_TRUE(img.save(path));

    // Far from blank, and in the palette's colours as well as black.
    long inked = 0;
    bool yellow = false, green = false, magenta = false;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            inked += p != qRgb(255, 255, 255);
            yellow |= p == qRgb(255, 255, 0);
            green |= p == qRgb(0, 255, 0);
            magenta |= p == qRgb(255, 0, 255);
        }
    EXPECT_GT(inked, img.width() * img.height() / 20);
    EXPECT_TRUE(yellow && green && magenta);

    QStringList texts;
    for (const auto& t : pic.printedTexts())
        texts << t.text;
    for (const char* expected : {"The RS flip-flop symbol.", "LP1", "+V", "-V", "G", "D", "S", "Switch A", "4.70k", "R1"})
        EXPECT_TRUE(texts.contains(expected)) << expected;
}

}  // namespace
}  // namespace orr::test
