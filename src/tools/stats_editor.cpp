// StatsEditor: seven statistical charts drawn from data the learner types in,
// each type with sample data and notes of its own.
#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "draw/palette.h"
#include "draw/primitives.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "shell/print_copy.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "tools/stats_editor_model.h"
#include "values/value_entry.h"

namespace orr {

namespace {

constexpr int kEntries = 16;
const char* const kTypes[] = {"Frequency Polygon.",
                              "Frequency Polygon (Grouped Data).",
                              "Bar Chart.",
                              "Histogram.",
                              "Histogram (Unequal Class Intervals).",
                              "Cumulative Frequency Polygon.",
                              "Pie Chart."};
constexpr long kFills[] = {colour::Blue, colour::Red, colour::Green, colour::Magenta, colour::Teal, colour::Olive,
                           colour::Purple, colour::Cyan, colour::Maroon, colour::Yellow, colour::Navy, colour::Lime,
                           colour::Grey, colour::Blue, colour::Red, colour::Green};

int text(double x, double y, const QString& s, long c = colour::Black, int size = 7, bool bold = false)
{
    int b = bold ? 1 : 0;
    printAt(int(x), int(y), s, c, size, b);
    return b;
}

// Sample data of each chart type: value or class start, class end, frequency.
struct Sample {
    std::vector<int> x1, x2, f;
};
Sample sampleFor(int type)
{
    switch (type) {
    case 0: return {{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}, {}, {2, 4, 7, 11, 16, 22, 27, 30, 28, 23, 17, 12, 8, 4, 2}};
    case 1: return {{1}, {10}, {3, 8, 15, 24, 33, 40, 44, 41, 35, 26, 18, 11, 6, 3, 1}};
    case 2:
    case 6: return {{}, {}, {12, 15, 21, 26, 30, 35, 41, 38, 29, 22, 16, 13, 14, 18, 23, 27}};
    case 3: return {{2, 14, 26, 38, 50, 62, 74, 86, 98, 110, 122, 134, 146, 158, 170},
                    {13, 25, 37, 49, 61, 73, 85, 97, 109, 121, 133, 145, 157, 169, 181},
                    {64, 58, 51, 45, 40, 34, 29, 25, 20, 16, 12, 9, 6, 4, 2}};
    case 4: return {{1, 11, 16, 21, 26, 31, 41, 51, 61, 71, 81, 91, 101, 121, 141},
                    {10, 15, 20, 25, 30, 40, 50, 60, 70, 80, 90, 100, 120, 140, 160},
                    {20, 14, 18, 22, 25, 46, 38, 31, 24, 17, 12, 8, 10, 6, 4}};
    default: return {{1, 11, 21, 31, 41, 51, 61, 71, 81, 91, 101, 111, 121, 131, 141},
                     {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150},
                     {2, 5, 9, 14, 20, 26, 30, 28, 22, 17, 12, 8, 5, 3, 1}};
    }
}

const char* const kMonths[kEntries] = {"JAN 07", "FEB 07", "MAR 07", "APR 07", "MAY 07", "JUN 07",
                                       "JUL 07", "AUG 07", "SEP 07", "OCT 07", "NOV 07", "DEC 07",
                                       "JAN 08", "FEB 08", "MAR 08", "APR 08"};

template <class F> void step(F&& f)
{
    try {
        f();
    } catch (...) {
    }
}

class StatsEditor : public Form {
public:
    StatsEditor() : Form(QStringLiteral("StatsEditor")) { build(); }

    PictureBox* Picture1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QLabel* Heading = nullptr;
    QLabel* Label9 = nullptr;
    std::vector<Label*> Values, Values1, Freq;

    int type = 0;
    int n = 15;
    std::vector<QString> labels = std::vector<QString>(kEntries + 1);
    std::vector<int> x1 = std::vector<int>(kEntries + 1), x2 = std::vector<int>(kEntries + 1),
                     f = std::vector<int>(kEntries + 1);

    void formLoad() override
    {
        setCaption(QStringLiteral("STATISTICS EDITOR"));
        setSize(pixelsToTwips(960), pixelsToTwips(520));
        loadSample(0);
        redraw();
    }

    void formActivate() override
    {
        suite().currentWindow = this;
        suite().currentPicture = Picture1;
        isToolWindow();
    }

    void build()
    {
        auto* bar = new QWidget(this);
        bar->setObjectName(QStringLiteral("Toolbar1"));
        bar->setGeometry(4, 2, 300, 26);
        const char* buttons[] = {"Theory", "Print", "Copy"};
        for (int i = 0; i < 3; ++i) {
            auto* b = new QToolButton(bar);
            b->setObjectName(controlName(QStringLiteral("Toolbar1"), i + 1));
            b->setText(QLatin1String(buttons[i]));
            b->setGeometry(i * 70, 0, 66, 24);
            connect(b, &QToolButton::clicked, this, [this, i] { Toolbar1_ButtonClick(i + 1); });
        }
        Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
        Picture1->setGeometry(4, 30, 640, 450);
        Picture1->setScaleWidth(640);
        Picture1->setScaleHeight(450);
        Label9 = new QLabel(this);
        Label9->setObjectName(QStringLiteral("Label9"));
        Label9->setGeometry(4, 30, 640, 450);
        Label9->setWordWrap(true);
        Label9->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        Label9->setAutoFillBackground(true);
        Label9->setMargin(12);
        Label9->hide();
        Combo1 = new QComboBox(this);
        Combo1->setObjectName(QStringLiteral("Combo1"));
        for (const char* t : kTypes)
            Combo1->addItem(QLatin1String(t));
        Combo1->setGeometry(650, 30, 250, 24);
        connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
        Combo2 = new QComboBox(this);
        Combo2->setObjectName(QStringLiteral("Combo2"));
        for (int i = 4; i <= 15; ++i)
            Combo2->addItem(QString::number(i));
        Combo2->setCurrentIndex(11);
        Combo2->setGeometry(904, 30, 50, 24);
        connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
        Heading = new QLabel(this);
        Heading->setObjectName(QStringLiteral("Heading"));
        Heading->setGeometry(650, 58, 300, 18);
        auto makeArray = [&](std::vector<Label*>& list, const char* name, int x, int w) {
            for (int i = 1; i <= kEntries; ++i) {
                auto* l = new Label(this, QLatin1String(name), i);
                l->setGeometry(x, 78 + (i - 1) * 25, w, 23);
                l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                connect(l, &Label::clicked, this, [this, l](int) { entryClick(l); });
                connect(l, &Label::changed, this, [this, l](int) { entryChange(l); });
                list.push_back(l);
            }
        };
        makeArray(Values, "Values", 650, 110);
        makeArray(Values1, "Values1", 764, 90);
        makeArray(Freq, "Freq", 858, 98);
    }

    static bool isIn(const std::vector<Label*>& list, const Label* l)
    {
        return std::find(list.begin(), list.end(), l) != list.end();
    }

    bool grouped() const { return type == 1 || type == 3 || type == 4 || type == 5; }
    bool labelled() const { return type == 2 || type == 6; }

    void loadSample(int t)
    {
        type = t;
        const Sample s = sampleFor(t);
        for (int i = 1; i <= kEntries; ++i) {
            x1[size_t(i)] = i - 1 < int(s.x1.size()) ? s.x1[size_t(i - 1)] : 0;
            x2[size_t(i)] = i - 1 < int(s.x2.size()) ? s.x2[size_t(i - 1)] : 0;
            f[size_t(i)] = i - 1 < int(s.f.size()) ? s.f[size_t(i - 1)] : 0;
            labels[size_t(i)] = QLatin1String(kMonths[i - 1]);
        }
        static const char* headings[] = {"Data(x)       Freq.(f)", "Class x1 to x2    Freq.(f)",
                                         "Labels          Freq.(f)"};
        Heading->setText(QLatin1String(headings[labelled() ? 2 : (grouped() ? 1 : 0)]));
    }

    // The first class of the grouped polygon starts at 1 and the others repeat its width.
    void classBounds(int i, int& lo, int& hi) const
    {
        if (type == 1) {
            const int w = std::max(1, stats::classWidth(1, x2[1]));
            lo = 1 + (i - 1) * w;
            hi = lo + w - 1;
        } else {
            lo = x1[size_t(i)];
            hi = x2[size_t(i)];
        }
    }

    void showEntries()
    {
        const bool lock = suite().entryLock;
        suite().entryLock = true;
        for (int i = 1; i <= kEntries; ++i) {
            const bool on = i <= n;
            const size_t k = size_t(i - 1);
            int lo = 0, hi = 0;
            classBounds(i, lo, hi);
            Values[k]->setVisible(on && !(type == 1 && i > 1));
            Values1[k]->setVisible(on && grouped());
            Freq[k]->setVisible(on);
            Values[k]->setCaption(QStringLiteral("Value (%1) ").arg(i) +
                                  (labelled() ? labels[size_t(i)] : QString::number(lo)));
            Values1[k]->setCaption(QStringLiteral("Value to (%1) ").arg(i) + QString::number(hi));
            Freq[k]->setCaption(QStringLiteral("Frequency (%1) ").arg(i) + QString::number(f[size_t(i)]));
        }
        suite().entryLock = lock;
    }

    void Combo1_Click()
    {
        loadSample(std::clamp(Combo1->currentIndex(), 0, 6));
        redraw();
    }

    void Combo2_Click()
    {
        n = std::clamp(Combo2->currentText().toInt(), 4, 15);
        redraw();
    }

    void entryClick(Label* l)
    {
        SuiteState& s = suite();
        s.currentWindow = this;
        s.editedInputLabel = l;
        s.entryLock = true;
        if (labelled() && isIn(Values, l))
            step([&] { OpenTextEntry(l); });
        else
            step([&] {
                s.quantityType = QStringLiteral("Positive Integer No.");
                OpenValueEntry(s.quantityType, l->index());
            });
        s.entryLock = false;
    }

    void entryChange(Label* l)
    {
        if (suite().entryLock)
            return;
        const int i = l->index();
        if (i < 1 || i > kEntries)
            return;
        if (labelled() && isIn(Values, l)) {
            // The text entry wrote the new label as the caption.
            labels[size_t(i)] = l->caption();
        } else {
            const int v = int(std::min(32767.0, std::fabs(Val(InputValueText()))));
            if (isIn(Freq, l))
                f[size_t(i)] = v;
            else if (isIn(Values1, l))
                x2[size_t(i)] = v;
            else
                x1[size_t(i)] = v;
        }
        redraw();
    }

    void Toolbar1_ButtonClick(int index)
    {
        suite().currentWindow = this;
        suite().currentPicture = Picture1;
        if (index == 1) {
            Label9->setVisible(!Label9->isVisible());
            Label9->setText(theory().join(QStringLiteral("\n\n")));
        } else if (index == 2) {
            step([&] { printPage(); });
            redraw();
        } else if (index == 3) {
            suite().copySource = 0;
            step([&] { copyToClipboard(); });
        }
    }

    QStringList theory() const;

    void redraw()
    {
        showEntries();
        SuiteState& s = suite();
        s.currentWindow = this;
        s.currentPicture = Picture1;
        const float scale = s.drawingScale;
        const int offset = s.textOffset;
        s.drawingScale = 1;
        s.textOffset = 0;
        Picture1->cls();
        step([&] { drawChart(); });
        s.drawingScale = scale;
        s.textOffset = offset;
        s.theoryCaption = caption();
        const QStringList t = theory();
        for (int i = 0; i < 4; ++i)
            s.theory[size_t(i)] = i < t.size() ? t[i] : QString();
        if (Label9->isVisible())
            Label9->setText(t.join(QStringLiteral("\n\n")));
    }

    void drawChart();
    void verticalAxis(const QString& caption, const stats::Scale& sc, bool cumulative);
};

void StatsEditor::verticalAxis(const QString& caption, const stats::Scale& sc, bool cumulative)
{
    draw(50, 30, cumulative ? QStringLiteral("c0 d370 r520") : QStringLiteral("c0 d370 r480"));
    for (int k = 0; k <= 10; ++k) {
        const int v = k * sc.step;
        int width = 0;
        printRightAligned(cumulative ? 45 : 40, (cumulative ? 395 : 390) - 37 * k, QString::number(v),
                          colour::Black, 8, width);
    }
    text(58, 12, caption, colour::Maroon, 7, true);
}

void StatsEditor::drawChart()
{
    int bb = 1;
    printAt(200, 2, QLatin1String(kTypes[type]), colour::Title, 10, bb);
    const double w = 480.0 / n;
    auto yOf = [](double v, const stats::Scale& sc) { return 400 - 370 * v / sc.top; };
    auto ticks = [&](int count, double width) {
        for (int i = 1; i <= count; ++i)
            boxOrLine(0, 50 + i * width, 400, 0, 0, 5, colour::Black, QString());
    };
    if (type == 6) {
        double total = 0;
        for (int i = 1; i <= n; ++i)
            total += f[size_t(i)];
        const double factor = total == 0 ? 0 : 360 / total;
        double start = 0.001;
        for (int i = 1; i <= n; ++i) {
            double end = i == n ? 360 : start + f[size_t(i)] * factor;
            if (total == 0)
                break;
            if (end > start + 0.01)
                circle(-7, 300, 230, 150, kFills[i - 1], start * 0.017453292, std::min(end, 360.0) * 0.017453292);
            const double mid = (start + end) / 2 * 0.017453292;
            printCentred(int(300 + 185 * std::cos(mid)), int(230 - 185 * std::sin(mid) - 6), labels[size_t(i)],
                         colour::Black, 6, 0);
            start = end;
        }
        return;
    }
    if (type == 5) {
        int run = 0;
        std::vector<int> cum(size_t(n + 1));
        for (int i = 1; i <= n; ++i)
            cum[size_t(i)] = run += f[size_t(i)];
        const stats::Scale sc = stats::verticalScale(run);
        verticalAxis(QStringLiteral("Cumulative Frequency"), sc, true);
        const double cw = 520.0 / n;
        double px = 50, py = 400;
        for (int i = 1; i <= n; ++i) {
            const double x = 50 + i * cw, y = yOf(cum[size_t(i)], sc);
            boxOrLine(0, px, py, 0, x - px, y - py, colour::Red, QString());
            dot(x, y, colour::Red);
            boxOrLine(0, x, 400, 0, 0, 5, colour::Black, QString());
            if (i % 2 == 1 || n <= 8)
                printCentred(int(x), 407, QStringLiteral("<=") + QString::number(x2[size_t(i)]), colour::Black, 5, 0);
            px = x;
            py = y;
        }
        text(300, 427, QStringLiteral("Class range x1 to x2"), colour::Maroon, 7);
        // The box plot, from the classes expanded into copies of their midpoints.
        std::vector<int> lows(x1.begin() + 1, x1.begin() + 1 + n), freqs(f.begin() + 1, f.begin() + 1 + n);
        const double half = stats::classWidth(x1[1], x2[1]) / 2.0;
        const std::vector<double> box = stats::boxPlotValues(lows, freqs, half);
        if (box.size() == 5) {
            const char* names[] = {"Lowest value = ", "Lower Quartile =", "Median =", "Upper Quartile =",
                                   "Highest value = "};
            text(70, 40, QStringLiteral("Box Plot diagram"), colour::Navy, 7, true);
            for (int i = 0; i < 5; ++i)
                text(70, 56 + i * 13, QLatin1String(names[i]) + QStringLiteral(" ") + QString::number(box[size_t(i)]),
                     colour::Black, 6);
            const double lo = x1[1], hi = std::max(lo + 1.0, double(x2[size_t(n)]));
            // Drawn on its own scale under the list, clear of the rising polygon.
            auto bx = [&](double v) { return 70 + 240 * (v - lo) / (hi - lo); };
            boxOrLine(0, bx(box[0]), 134, 0, bx(box[1]) - bx(box[0]), 0, colour::Black, QString());
            boxOrLine(0, bx(box[1]), 124, 0, bx(box[3]) - bx(box[1]), 20, colour::Cyan, QStringLiteral("BF"));
            boxOrLine(0, bx(box[1]), 124, 0, bx(box[3]) - bx(box[1]), 20, colour::Black, QStringLiteral("B"));
            boxOrLine(12, bx(box[2]), 124, 0, 0, 20, colour::Red, QString());
            boxOrLine(0, bx(box[3]), 134, 0, bx(box[4]) - bx(box[3]), 0, colour::Black, QString());
            for (int e : {0, 4})
                boxOrLine(0, bx(box[size_t(e)]), 128, 0, 0, 12, colour::Black, QString());
        }
        return;
    }
    if (type == 4) {
        double largest = 0, totalWidth = 0;
        for (int i = 1; i <= n; ++i) {
            largest = std::max(largest, stats::frequencyDensity(f[size_t(i)], x1[size_t(i)], x2[size_t(i)]));
            totalWidth += std::max(0, stats::classWidth(x1[size_t(i)], x2[size_t(i)]));
        }
        const stats::Scale sc = stats::verticalScale(largest);
        verticalAxis(QStringLiteral("Frequency Density"), sc, false);
        double x = 50;
        for (int i = 1; i <= n; ++i) {
            const double bw = totalWidth > 0 ? 480 * std::max(0, stats::classWidth(x1[size_t(i)], x2[size_t(i)])) / totalWidth : 0;
            const double y = yOf(stats::frequencyDensity(f[size_t(i)], x1[size_t(i)], x2[size_t(i)]), sc);
            boxOrLine(0, x, y, 0, bw, 400 - y, kFills[i - 1], QStringLiteral("BF"));
            boxOrLine(0, x, y, 0, bw, 400 - y, colour::Black, QStringLiteral("B"));
            boxOrLine(0, x + bw, 400, 0, 0, 5, colour::Black, QString());
            if (bw >= 24)
                printCentred(int(x + bw / 2), i % 2 ? 407 : 416,
                             QString::number(x1[size_t(i)]) + QStringLiteral("-") + QString::number(x2[size_t(i)]),
                             colour::Black, 5, 0);
            x += bw;
        }
        text(70, 40, QStringLiteral("Frequency density"), colour::Navy, 7, true);
        printFraction(190, 34, 6, QString(), colour::Navy, true, QStringLiteral("Frequency of class interval"),
                      QStringLiteral("Width of class interval (x2 - x1 + 1)"), bb);
        text(300, 427, QStringLiteral("Class range x1 to x2"), colour::Maroon, 7);
        return;
    }
    int largest = 0;
    for (int i = 1; i <= n; ++i)
        largest = std::max(largest, f[size_t(i)]);
    const stats::Scale sc = stats::verticalScale(largest);
    verticalAxis(QStringLiteral("Frequency"), sc, false);
    ticks(n, w);
    const char* captions[] = {"Data Values x", "Class range x1 to x2.", "Labels", "Class range x1 to x2"};
    text(300, 427, QLatin1String(captions[std::min(type, 3)]), colour::Maroon, 7);
    double px = 0, py = 0;
    for (int i = 1; i <= n; ++i) {
        const double right = 50 + i * w, left = right - w, y = yOf(f[size_t(i)], sc);
        int lo = 0, hi = 0;
        classBounds(i, lo, hi);
        QString under = type == 0 ? QString::number(x1[size_t(i)])
                      : type == 2 ? labels[size_t(i)]
                                  : QString::number(lo) + QStringLiteral("-") + QString::number(hi);
        if (type == 0) {
            largeDot(right, y, colour::Red);
            if (i > 1)
                boxOrLine(0, px, py, 0, right - px, y - py, colour::Red, QString());
            printCentred(int(right), 407, under, colour::Black, 6, 0);
            px = right;
            py = y;
        } else if (type == 1) {
            boxOrLine(0, left, y, 0, w, 400 - y, colour::Grey, QStringLiteral("B"));
            const double mid = left + w / 2;
            largeDot(mid, y, colour::Red);
            if (i > 1)
                boxOrLine(0, px, py, 0, mid - px, y - py, colour::Red, QString());
            printCentred(int(mid), i % 2 ? 407 : 416, under, colour::Black, 5, 0);
            px = mid;
            py = y;
        } else if (type == 2) {
            boxOrLine(0, left + w * 0.15, y, 0, w * 0.7, 400 - y, kFills[i - 1], QStringLiteral("BF"));
            printCentred(int(left + w / 2), i % 2 ? 407 : 416, under, colour::Black, 5, 0);
        } else {
            boxOrLine(0, left, y, 0, w, 400 - y, colour::Blue, QStringLiteral("BF"));
            boxOrLine(0, left, y, 0, w, 400 - y, colour::Black, QStringLiteral("B"));
            printCentred(int(left + w / 2), i % 2 ? 407 : 416, under, colour::Black, 5, 0);
        }
    }
}

QStringList StatsEditor::theory() const
{
    switch (type) {
    case 0:
        return {QStringLiteral("A frequency polygon shows how often each value occurs. Each value x is marked with a "
                               "dot at the height of its frequency f and the dots are joined by straight lines in "
                               "order of x."),
                QStringLiteral("Type each data value and its frequency into the table; the vertical scale is chosen "
                               "so that the largest frequency fits, rounded up to a multiple of ten.")};
    case 1:
        return {QStringLiteral("When data are grouped into classes of equal width, the frequency polygon joins the "
                               "midpoints of the tops of the histogram bars."),
                QStringLiteral("Enter the end of the first class (it starts at 1); every later class has the same "
                               "width. The bars are drawn as outlines so the polygon shows through.")};
    case 2:
        return {QStringLiteral("A bar chart compares separate categories, such as sales in each month. Each label "
                               "gets a bar whose height is its frequency; the bars stand apart because the "
                               "categories are not a continuous scale."),
                QStringLiteral("Click a label to type a new one, and a frequency to change its bar.")};
    case 3:
        return {QStringLiteral("A histogram shows grouped continuous data. The bars touch, because each class runs "
                               "on from the one before, and with equal class widths the height of each bar is its "
                               "frequency."),
                QStringLiteral("Enter each class as its first and last value, x1 to x2, and the number of items in "
                               "it.")};
    case 4:
        return {QStringLiteral("When classes have different widths, the area of a bar, not its height, shows the "
                               "frequency. The height is the frequency density: the frequency divided by the class "
                               "width."),
                QStringLiteral("A class from x1 to x2 of whole numbers holds x2 - x1 + 1 values, so the class 1 to 10 "
                               "has a width of 10. Wide classes therefore give low bars even when they hold many "
                               "items.")};
    case 5:
        return {QStringLiteral("The cumulative frequency is the running total of the frequencies: the number of "
                               "items up to and including each class end. Plotted against the class ends it rises "
                               "to the total number of items."),
                QStringLiteral("The box plot summarises the data with five values: the lowest, the lower quartile "
                               "(a quarter of the way through the data), the median (half way), the upper quartile "
                               "(three quarters) and the highest.")};
    default:
        return {QStringLiteral("A pie chart shows how a total is shared. Each slice has an angle in proportion to "
                               "its frequency: the slice factor 360 / total, times the frequency."),
                QStringLiteral("The slices together make the full circle of 360 degrees, so the last slice always "
                               "closes the circle.")};
    }
}

RegisterForm<StatsEditor> reg(QStringLiteral("StatsEditor"));

}  // namespace

}  // namespace orr
