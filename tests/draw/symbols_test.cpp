// Symbol library: indicator boxes, truth rows, the earth bar, gate leads and
// fills, and the texts and final state of the components.
#include <functional>

#include "draw/primitives.h"
#include "draw/symbols.h"
#include "draw_fixture.h"
#include "values/formatters.h"

namespace orr::test {
namespace {

using Symbols = DrawTest;

QStringList textsOf(const PictureBox& pic)
{
    QStringList out;
    for (const auto& t : pic.printedTexts())
        out << t.text;
    return out;
}

TEST_F(Symbols, LogicIndicatorsDrawAWhiteBoxAndTheDigit)
{
    struct Case {
        std::function<void()> draw;
        QString digit;
        double left, right, bottom;
    } cases[] = {
        {[] { DrawLogic0(100, 50, 12); }, "0", 100, 116, 60},
        {[] { DrawLogic1(100, 50, 12); }, "1", 100, 116, 60},
        {[] { DrawLogicBit(100, 50, 12, true); }, "1", 99, 109, 62},
        {[] { DrawLogicBit(100, 50, 12, false); }, "0", 99, 109, 62},
    };
    for (const auto& c : cases) {
        pic.cls();
        shapes.clear();
        c.draw();
        ASSERT_FALSE(shapes.empty());
        EXPECT_EQ(shapes[0].kind, DrawnShape::FilledBox);
        EXPECT_EQ(shapes[0].colour, QColor(Qt::white));
        EXPECT_EQ(shapes[0].x1, c.left);
        EXPECT_EQ(shapes[0].y1, 50);
        EXPECT_EQ(shapes[0].x2, c.right);
        EXPECT_EQ(shapes[0].y2, c.bottom);
        ASSERT_EQ(pic.printedTexts().size(), 1u);
        EXPECT_EQ(pic.printedTexts()[0].text, c.digit);
        EXPECT_EQ(pic.printedTexts()[0].x, 100);
        EXPECT_EQ(pic.printedTexts()[0].y, 50);
        expectKnownState();
    }
}

TEST_F(Symbols, LogicZeroOverOneReplacesTheDigit)
{
    pic.backColor = QColor(200, 200, 200);  // so that the white box shows
    pic.cls();
    DrawLogic0(100, 50, 12);
    const QImage zeroAlone = pic.image();
    pic.cls();
    DrawLogic1(100, 50, 12);
    const QImage one = pic.image();
    EXPECT_NE(one, zeroAlone);
    bool red = false;
    for (int y = 50; y < 62; ++y)
        for (int x = 100; x < 116; ++x)
            red |= one.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_TRUE(red);
    DrawLogic0(100, 50, 12);
    EXPECT_EQ(pic.image(), zeroAlone);
}

TEST_F(Symbols, TruthRowsSpaceThePiecesAndBarTheComplement)
{
    struct Case {
        QString row;
        QStringList pieces;
        int barred;  // index of the barred piece, or -1
    } cases[] = {
        {"B-A-X", {"B", "A", "X"}, -1},
        {"0-0-1", {"0", "0", "1"}, -1},
        {"S-R-Q-OQ", {"S", "R", "Q", "Q"}, 3},
        {"A- Not A", {"A", "Not A"}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row.toStdString());
        pic.cls();
        shapes.clear();
        int x = 100;
        DrawTruthRow(x, 40, c.row, 8, 0, 0);
        EXPECT_EQ(x, 100 + 36 * c.pieces.size());
        ASSERT_EQ(pic.printedTexts().size(), size_t(c.pieces.size()));
        for (int i = 0; i < c.pieces.size(); ++i) {
            EXPECT_EQ(pic.printedTexts()[size_t(i)].text, c.pieces[i]);
            EXPECT_EQ(pic.printedTexts()[size_t(i)].x, 100 + 36 * i);
            EXPECT_EQ(pic.printedTexts()[size_t(i)].y, 40);
        }
        if (c.barred < 0) {
            EXPECT_TRUE(shapes.empty());
        } else {
            ASSERT_EQ(shapes.size(), 1u);
            EXPECT_EQ(shapes[0].x1, 100 + 36 * c.barred);
            EXPECT_EQ(shapes[0].y1, 40);
        }
    }
}

TEST_F(Symbols, EarthBar)
{
    DrawEarth(145, 203);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].kind, DrawnShape::Line);
    EXPECT_EQ(shapes[0].y2 - shapes[0].y1, 10);
    EXPECT_EQ(shapes[1].kind, DrawnShape::FilledBox);
    EXPECT_EQ(shapes[1].x1, 133);
    EXPECT_EQ(shapes[1].x2, 157);
    EXPECT_EQ(shapes[1].y1, 213);
    EXPECT_EQ(shapes[1].y2, 217);
}

TEST_F(Symbols, AndGateAsSpecified)
{
    DrawAndGate(100, 100);
    const auto has = [&](DrawnShape::Kind kind, double x1, double y1, double x2, double y2) {
        for (const auto& s : shapes)
            if (s.kind == kind && s.x1 == x1 && s.y1 == y1 && s.x2 == x2 && s.y2 == y2)
                return true;
        return false;
    };
    EXPECT_TRUE(has(DrawnShape::Line, 70, 87, 101, 87));
    EXPECT_TRUE(has(DrawnShape::Line, 70, 112, 101, 112));
    EXPECT_TRUE(has(DrawnShape::Line, 166, 100, 199, 100));
    EXPECT_TRUE(has(DrawnShape::FilledBox, 100, 76, 135, 123));  // a pixel short: the bottom line closes it
    EXPECT_TRUE(has(DrawnShape::Line, 100, 76, 136, 76));
    EXPECT_TRUE(has(DrawnShape::Line, 100, 124, 136, 124));
    EXPECT_TRUE(has(DrawnShape::Line, 100, 77, 100, 124));
    const auto front = std::find_if(shapes.begin(), shapes.end(), [](const DrawnShape& s) {
        return s.kind == DrawnShape::Circle;
    });
    ASSERT_NE(front, shapes.end());
    EXPECT_EQ(front->x1, 135);
    EXPECT_EQ(front->y1, 100);
    EXPECT_EQ(front->radius, 30);
    EXPECT_EQ(front->fillColour, QColor(255, 255, 0));
    expectKnownState();
}

// Every gate at the logic topics' scale: its input leads start where the
// header says and reach the body, its output lead ends where it says, and its
// body has its fill colour.
TEST_F(Symbols, GateLeadsMeetTheirAnchors)
{
    struct Gate {
        const char* name;
        void (*draw)(int, int);
        std::vector<int> inputs;
        int inputStart, outputEnd;
        QColor fill;
    } gates[] = {
        {"AND", DrawAndGate, {-13, 12}, -30, 99, QColor(255, 255, 0)},
        {"NAND", DrawNandGate, {-13, 12}, -30, 99, QColor(0, 255, 0)},
        {"OR", DrawOrGate, {-13, 12}, -30, 99, QColor(255, 0, 255)},
        {"NOR", DrawNorGate, {-13, 12}, -30, 99, QColor(0, 255, 255)},
        {"XOR", DrawXorGate, {-13, 12}, -30, 99, QColor(255, 0, 0)},
        {"NOT", DrawNotGate, {0}, -40, 63, QColor(255, 255, 255)},
        {"AND small", DrawAndGateSmall, {-7, 7}, -15, 38, QColor(255, 255, 0)},
        {"NAND small", DrawNandGateSmall, {-7, 7}, -15, 38, QColor(0, 255, 0)},
        {"OR small", DrawOrGateSmall, {-7, 7}, -15, 38, QColor(255, 0, 255)},
        {"NOR small", DrawNorGateSmall, {-7, 7}, -15, 38, QColor(0, 255, 255)},
        {"NOT small", DrawNotGateSmall, {0}, -27, 45, QColor(255, 255, 255)},
    };
    suite().drawingScale = 1.28f;
    const double k = suite().drawingScale;
    constexpr int x = 300;
    constexpr int y = 150;
    for (const auto& g : gates) {
        SCOPED_TRACE(g.name);
        pic.cls();
        shapes.clear();
        g.draw(x, y);
        for (const int dy : g.inputs) {
            const auto lead = std::find_if(shapes.begin(), shapes.end(), [&](const DrawnShape& s) {
                return s.kind == DrawnShape::Line && s.x1 == x + g.inputStart && std::abs(s.y1 - (y + dy) * k) < 1e-3 &&
                       s.y2 == s.y1;
            });
            ASSERT_NE(lead, shapes.end()) << dy;
            EXPECT_GE(lead->x2, x - 4);  // reaches the back of the body
        }
        const auto output = std::find_if(shapes.begin(), shapes.end(), [&](const DrawnShape& s) {
            return s.kind == DrawnShape::Line && std::abs(s.x2 - (x + g.outputEnd)) < 1e-6 &&
                   std::abs(s.y1 - y * k) < 1e-3 && s.y2 == s.y1;
        });
        ASSERT_NE(output, shapes.end());
        EXPECT_GT(output->x1, x + 10);
        const bool filled = std::any_of(shapes.begin(), shapes.end(), [&](const DrawnShape& s) {
            return (s.kind == DrawnShape::FilledBox && s.colour == g.fill) || (s.fill && s.fillColour == g.fill);
        });
        EXPECT_TRUE(filled);
        // The body's fill shows in the middle of the gate.
        EXPECT_EQ(pic.image().pixelColor(x + (g.outputEnd == 45 ? 8 : 16), int(y * k)), g.fill);
        expectKnownState();
    }
}

// A gate's fill never shows above the top or below the bottom of its black
// outline, at any of the heights the drawing scale rounds differently.
TEST_F(Symbols, GateFillsStayInsideTheOutline)
{
    struct Gate {
        const char* name;
        void (*draw)(int, int);
        QRgb fill;
    } gates[] = {
        {"AND", DrawAndGate, qRgb(255, 255, 0)},         {"NAND", DrawNandGate, qRgb(0, 255, 0)},
        {"OR", DrawOrGate, qRgb(255, 0, 255)},           {"NOR", DrawNorGate, qRgb(0, 255, 255)},
        {"XOR", DrawXorGate, qRgb(255, 0, 0)},           {"AND small", DrawAndGateSmall, qRgb(255, 255, 0)},
        {"NAND small", DrawNandGateSmall, qRgb(0, 255, 0)}, {"OR small", DrawOrGateSmall, qRgb(255, 0, 255)},
        {"NOR small", DrawNorGateSmall, qRgb(0, 255, 255)},
    };
    for (const float scale : {1.0f, 1.21f, 1.28f})
        for (const auto& g : gates)
            for (const int y : {100, 101, 102, 103, 157, 160}) {
                suite().drawingScale = scale;
                pic.cls();
                g.draw(300, y);
                const QImage image = pic.image();
                int top = image.height(), bottom = -1, fillTop = image.height(), fillBottom = -1;
                for (int py = 0; py < image.height(); ++py)
                    for (int px = 260; px < 300 + 70; ++px) {
                        const QRgb c = image.pixel(px, py);
                        if (c == qRgb(0, 0, 0) && px >= 300)
                            top = std::min(top, py), bottom = std::max(bottom, py);
                        if (c == g.fill)
                            fillTop = std::min(fillTop, py), fillBottom = std::max(fillBottom, py);
                    }
                EXPECT_GE(fillTop, top) << g.name << " scale " << scale << " y " << y;
                EXPECT_LE(fillBottom, bottom) << g.name << " scale " << scale << " y " << y;
            }
}

TEST_F(Symbols, RsFlipFlopBlockLeadsAndLetters)
{
    DrawRsFlipFlopSymbol(100, 100);
    const QStringList texts = textsOf(pic);
    EXPECT_EQ(texts, (QStringList{"S", "R", "Q", "Q", "The RS flip-flop symbol."}));
    ASSERT_GE(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].x1, 68);
    EXPECT_EQ(shapes[0].x2, 198);
    EXPECT_EQ(shapes[0].y1, 116);
    EXPECT_EQ(shapes[1].y1, 163);
    const bool bar = std::any_of(shapes.begin(), shapes.end(), [](const DrawnShape& s) {
        return s.kind == DrawnShape::FilledBox && s.colour == QColor(255, 0, 0);
    });
    EXPECT_TRUE(bar);  // the complemented Q
}

TEST_F(Symbols, ComponentsPrintTheirTextsAndLeaveTheKnownState)
{
    struct Case {
        const char* name;
        std::function<void()> draw;
        QStringList texts;
    } cases[] = {
        {"resistor", [] { DrawResistor(100, 100, "1", 14, 4700); }, {"R1", FormatOhms(4700)}},
        {"vertical resistor", [] { DrawResistorVertical(100, 100, "2", 14, 1e6f); }, {"R2", FormatOhms(1e6f)}},
        {"capacitor", [] { DrawCapacitor(100, 100, "1", 9, 4.7e-6f); }, {"+", "C1", FormatFarads(4.7e-6f)}},
        {"horizontal capacitor", [] { DrawCapacitorHorizontal(100, 100, "2", 9, 1e-9f, false); },
         {"C2", FormatFarads(1e-9f)}},
        {"inductor", [] { DrawInductor(100, 100, "1", 0.01f); }, {"L1", FormatHenrys(0.01f)}},
        {"npn", [] { DrawNpnTransistor(100, 100, "T1"); }, {"b", "c", "e", "T1"}},
        {"pnp", [] { DrawPnpTransistor(300, 100, "T2"); }, {"b", "c", "e", "T2"}},
        {"pair", [] { DrawTransistorPair(100, 100, ""); }, {"b", "c", "e", ""}},
        {"fet", [] { DrawFet(100, 100, true, "T3"); }, {"G", "D", "S", "T3"}},
        {"battery", [] { DrawBattery(100, 100, 2, 0); }, {"+", "-"}},
        {"lamp", [] { DrawLamp(100, 100, 14); }, {"LP1"}},
        {"led", [] { DrawLed(100, 100, 12, "LED1"); }, {"a", "k", "LED1"}},
        {"op-amp", [] { DrawOpAmp(100, 100); }, {"-", "+", "+V", "-V"}},
        {"push switch", [] { DrawPushSwitch(100, 100, "S1", true); }, {"S1"}},
        {"changeover", [] { DrawChangeoverSwitch(100, 100, 1); }, {}},
        {"supply", [] { DrawSupplyTerminal(100, 100, "+5V", 12); }, {"+5V"}},
        {"toggle", [] { DrawToggleSwitch(100, 100, false, "Switch A"); }, {"Switch A"}},
        {"diode", [] { DrawDiodes(100, 100, "D1", 2); }, {"A", "K", "D1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pic.cls();
        shapes.clear();
        c.draw();
        QStringList texts = textsOf(pic);
        QStringList want = c.texts;
        want.removeAll(QString());
        EXPECT_EQ(texts, want);
        EXPECT_GE(shapes.size(), 3u);
        expectKnownState();
    }
}

TEST_F(Symbols, SwitchesShowTheirState)
{
    // A closed push switch bridges its contacts, an open one stands off them.
    const auto barX = [&](bool closed) {
        pic.cls();
        shapes.clear();
        DrawPushSwitch(100, 100, "S1", closed);
        return shapes.at(0).x1;
    };
    EXPECT_LT(barX(true), barX(false));

    const auto leverEnd = [&](int position) {
        shapes.clear();
        DrawChangeoverSwitch(100, 100, position);
        return shapes.back().y2;
    };
    EXPECT_LT(leverEnd(0), 100);
    EXPECT_GT(leverEnd(1), 100);
}

}  // namespace
}  // namespace orr::test
