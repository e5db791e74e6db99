// GraphEditor: the keypad, values and sample equations, and the evaluation of
// the expressions through the script control into the shared chart procedure.
#include "tools/graph_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <cmath>

#include "shell/chart_procedure.h"
#include "shell/companion_windows.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "values/value_entry.h"

namespace orr {

namespace {

const char* const kNames[GraphEditor::kValues] = {"a",    "b",    "c",    "d",    "m",    "n",   "x",
                                                  "x1",   "x2",   "k(0)", "k(1)", "k(2)", "k(3)", "k(4)",
                                                  "k(5)", "k(6)", "q(0)", "q(1)", "q(2)"};
constexpr double kDefaults[GraphEditor::kValues] = {-4, 6, -4, 25, 2, 5, 10, -100, 100, 5, 7, 23, 14, 9, 32, 18,
                                                    -5.3, 2, 8};
enum { kX = 6, kX1 = 7, kX2 = 8, kN = 5, kFirstK = 9, kFirstQ = 16 };

const char* const kKeypad[] = {
    "0",    "1",    "2",    "3",    "4",    "5",    "6",    "7",    "8",    "9",    "a",    "b",
    "c",    "d",    "m",    "n",    "x",    "g",    "h",    "pi",   "r",    "k(0)", "k(1)", "k(2)",
    "k(3)", "k(4)", "k(5)", "q(0)", "q(1)", "q(2)", "(",    ")",    "Abs(", "Atn(", "Cos(", "Exp(",
    "Fix(", "Int(", "Log(", "Rnd(", "Sgn(", "Sin(", "Sqr(", "Tan(", ".",    " + ", " - ", " * ",
    " / ",  " \\ ", "^ ",   "Mod",  "Cut",  "Clear", "Space", "E"};

const char* const kStatistics[] = {"Statistics. (None.)", "Minimum.", "Maximum.", "Mean.", "Std Dev.", "Trend."};
constexpr int kStatFlags[] = {StatNone, StatMinimum, StatMaximum, StatMean, StatStdDev, StatTrend};

const char* const kSamples[] = {"Sample Equations.", "y = -ax^2",      "y = ax^2 + bx + c", "y = xa^-5",
                                "y = mx + c",        "y = Sin(x / r)", "y = ax^n",          "y = x^2 - 3x + c",
                                "y = Sin(x / r), Sin(x / r + 45), Sin(x / r - 45)"};
const char* const kSampleExpressions[] = {"",           "-a * x^2",  "a * x^2 + b * x + c", "x * a^-5",
                                          "m * x + c",  "Sin(x / r)", "a * x^n",             "x^2 - 3 * x + c"};

// Series colour codes of the three expressions, and their statistic lines.
const std::vector<int> kSeriesCodes = {1, 4, 2};
const QColor kStatColours[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
constexpr int kStatStyles[] = {3, 4, 2};

const char* const kResultPrefix[] = {" No. 1", " No. 2", "No. 3"};

template <class F> void step(F&& f)
{
    try {
        f();
    } catch (...) {
    }
}

}  // namespace

QString GraphEditor::valueName(int i) { return i >= 0 && i < kValues ? QLatin1String(kNames[i]) : QString(); }

GraphEditor::GraphEditor() : Form(QStringLiteral("GraphEditor")) { buildControls(); }

void GraphEditor::buildControls()
{
    resize(760, 560);
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setGeometry(4, 2, 200, 26);
    const char* views[] = {"Graphs", "Edit"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QToolButton(bar);
        b->setObjectName(controlName(QStringLiteral("Toolbar1"), i + 1));
        b->setText(QLatin1String(views[i]));
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setGeometry(i * 70, 0, 66, 24);
        connect(b, &QToolButton::clicked, this, [this, i] { Toolbar1_ButtonClick(i + 1); });
        Toolbar1[size_t(i)] = b;
    }
    for (int i = 0; i < 3; ++i) {
        const int y = 32 + i * 28;
        auto* tag = new QLabel(QStringLiteral("y%1 =").arg(i + 1), this);
        tag->setGeometry(6, y, 34, 24);
        auto* e = new QLineEdit(this);
        e->setObjectName(controlName(QStringLiteral("EquationTextBox"), i));
        e->setGeometry(40, y, 430, 24);
        connect(e, &QLineEdit::textEdited, this, [this, i] {
            target_ = i;
            inserted_[size_t(i)].clear();
        });
        EquationTextBox[size_t(i)] = e;
        auto* l = new Label(this, QStringLiteral("Label4"), i);
        l->setGeometry(478, y, 276, 24);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Label4[size_t(i)] = l;
    }
    ReFreshButton = new CommandButton(this, QStringLiteral("ReFreshButton"));
    ReFreshButton->setCaption(QStringLiteral("y="));
    ReFreshButton->setGeometry(6, 118, 40, 26);
    connect(ReFreshButton, &CommandButton::clicked, this, [this] { ReFreshButton_Click(); });
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (const char* s : kStatistics)
        Combo1->addItem(QLatin1String(s));
    Combo1->setGeometry(52, 118, 150, 26);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    for (const char* s : kSamples)
        Combo2->addItem(QString::fromUtf8(s));
    Combo2->setGeometry(208, 118, 250, 26);
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    Check1 = new QCheckBox(QStringLiteral("Fine steps"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(466, 118, 100, 26);
    Check2 = new QCheckBox(QStringLiteral("Single value x"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(570, 118, 140, 26);

    views_ = new QStackedWidget(this);
    views_->setGeometry(4, 150, 752, 404);
    MSChart1 = new ChartControl(nullptr, QStringLiteral("MSChart1"));
    views_->addWidget(MSChart1);

    auto* edit = new QWidget;
    edit->setObjectName(QStringLiteral("EditView"));
    views_->addWidget(edit);
    constexpr int kColumns = 8;
    for (int i = 0; i < int(std::size(kKeypad)); ++i) {
        auto* b = new CommandButton(edit, QStringLiteral("Digits"), i);
        b->setCaption(QString::fromUtf8(kKeypad[i]));
        b->setGeometry(4 + (i % kColumns) * 54, 4 + (i / kColumns) * 28, 52, 26);
        connect(b, &CommandButton::clickedIndex, this, [this](int index) { Digits_Click(index); });
        Digits.push_back(b);
    }
    const int below = 4 + 7 * 28 + 8;
    MoveTo = new CommandButton(edit, QStringLiteral("MoveTo"));
    MoveTo->setCaption(QStringLiteral("Move to Equ. 2."));
    MoveTo->setGeometry(4, below, 140, 26);
    connect(MoveTo, &CommandButton::clicked, this, [this] { MoveTo_Click(); });
    const char* clears[] = {"Clear Values", "Clear Equations"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new CommandButton(edit, QStringLiteral("Clear"), i);
        b->setCaption(QLatin1String(clears[i]));
        b->setGeometry(150 + i * 140, below, 134, 26);
        connect(b, &CommandButton::clickedIndex, this, [this](int index) { Clear_Click(index); });
        Clear[size_t(i)] = b;
    }
    DefaultValues = new CommandButton(edit, QStringLiteral("DefaultValues"));
    DefaultValues->setCaption(QStringLiteral("Default Values"));
    DefaultValues->setGeometry(4, below + 30, 140, 26);
    connect(DefaultValues, &CommandButton::clicked, this, [this] { setDefaultValues(); });
    DefaultEquations = new CommandButton(edit, QStringLiteral("DefaultEquations"));
    DefaultEquations->setCaption(QStringLiteral("Default Equat."));
    DefaultEquations->setGeometry(150, below + 30, 134, 26);
    connect(DefaultEquations, &CommandButton::clicked, this, [this] { setDefaultEquations(); });
    Examples = new CommandButton(edit, QStringLiteral("Examples"));
    Examples->setCaption(QStringLiteral("Examples"));
    Examples->setGeometry(290, below + 30, 134, 26);
    connect(Examples, &CommandButton::clicked, this, [this] { Examples_Click(); });
    Prompt = new Label(edit, QStringLiteral("Prompt"));
    Prompt->setGeometry(4, below + 62, 420, 22);

    // Values in two columns: the name button opens the entry, the label shows the value.
    for (int i = 0; i < kValues; ++i) {
        const int col = i / 10, row = i % 10;
        const int x = 448 + col * 150, y = 4 + row * 30;
        auto* b = new CommandButton(edit, QStringLiteral("SelectButton"), i);
        b->setCaption(valueName(i));
        b->setGeometry(x, y, 50, 26);
        connect(b, &CommandButton::clickedIndex, this, [this](int index) { SelectButton_Click(index); });
        SelectButton.push_back(b);
        auto* l = new Label(edit, QStringLiteral("InputLabel"), i);
        l->setGeometry(x + 54, y, 86, 26);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAlignment(Qt::AlignCenter);
        connect(l, &Label::clicked, this, [this](int index) { SelectButton_Click(index); });
        connect(l, &Label::changed, this, [this](int index) { InputLabel_Change(index); });
        InputLabel.push_back(l);
    }
    const char* constants[] = {"pi = 3.142", "r = 57.3"};
    for (int i = 0; i < 2; ++i) {
        auto* l = new Label(edit, QStringLiteral("Constant"), i);
        l->setCaption(QLatin1String(constants[i]));
        l->setGeometry(448 + 150, 4 + (9 + i) * 30 - 30 + 30, 140, 26);
        l->setAlignment(Qt::AlignCenter);
    }
}

void GraphEditor::formLoad()
{
    setCaption(QStringLiteral("GRAPH EDITOR"));
    setSize(pixelsToTwips(772), pixelsToTwips(596));
    step([&] { ScriptControl1.ExecuteStatement(QStringLiteral("Public a, b, c, d, m, n, x1, x2, k(6), q(2)")); });
    setDefaultValues();
    setDefaultEquations();
    Toolbar1_ButtonClick(2);
}

void GraphEditor::formActivate()
{
    suite().currentWindow = this;
    isToolWindow();
}

bool GraphEditor::showsChart() const { return views_->currentWidget() == MSChart1 && MSChart1->state().rows > 0; }

void GraphEditor::copyChartToClipboard() { MSChart1->editCopy(); }

void GraphEditor::setValue(int i, double v)
{
    if (i < 0 || i >= kValues)
        return;
    values_[size_t(i)] = v;
    const bool lock = suite().entryLock;
    suite().entryLock = true;
    InputLabel[size_t(i)]->setCaption(Str(v));
    suite().entryLock = lock;
}

void GraphEditor::setDefaultValues()
{
    for (int i = 0; i < kValues; ++i)
        setValue(i, kDefaults[i]);
}

void GraphEditor::setDefaultEquations()
{
    const char* defaults[] = {"k(5) * (x * q(2))", "(1 / Sqr(2 * pi * d ^ 2)) * Exp(-(x ^ 2) / (2 * d ^ 2)) * 2.5E6",
                              "-a * x^2 + b * x + c"};
    for (int i = 0; i < 3; ++i) {
        EquationTextBox[size_t(i)]->setText(QLatin1String(defaults[i]));
        inserted_[size_t(i)].clear();
    }
}

void GraphEditor::SelectButton_Click(int index)
{
    SuiteState& s = suite();
    s.currentWindow = this;
    s.entryLock = true;
    if (index < 0 || index >= kValues)
        return;
    s.editedInputLabel = InputLabel[size_t(index)];
    s.quantityType = QStringLiteral("Decimal No.");
    step([&] { OpenValueEntry(s.quantityType, index); });
    s.entryLock = false;
}

void GraphEditor::InputLabel_Change(int index)
{
    if (suite().entryLock)
        return;
    // The entered number keeps its sign; the label shows it as the script reads it.
    step([&] { setValue(index, Val(InputValueText())); });
}

void GraphEditor::ReFreshButton_Click()
{
    ScriptControl& sc = ScriptControl1;
    ChartTable table;
    int rows = 0;
    QElapsedTimer clock;
    clock.start();
    try {
        for (int i = 0; i < kValues; ++i)
            sc.ExecuteStatement(valueName(i) + QStringLiteral(" = ") + Str(values_[size_t(i)]));
        sc.ExecuteStatement(QStringLiteral("pi = 4 * Atn(1)"));
        sc.ExecuteStatement(QStringLiteral("r = 180 / pi"));
        double g = 0, h = 0;
        for (int i = 0; i < 7; ++i)
            g += values_[size_t(kFirstK + i)];
        for (int i = 0; i < 3; ++i)
            h += values_[size_t(kFirstQ + i)];
        sc.ExecuteStatement(QStringLiteral("g = ") + Str(g));
        sc.ExecuteStatement(QStringLiteral("h = ") + Str(h));

        std::array<QString, 3> expr;
        for (int i = 0; i < 3; ++i)
            expr[size_t(i)] = EquationTextBox[size_t(i)]->text().trimmed();
        if (Check2->isChecked()) {
            sc.ExecuteStatement(QStringLiteral("x = ") + Str(values_[kX]));
            for (int i = 0; i < 3; ++i) {
                if (expr[size_t(i)].isEmpty()) {
                    Label4[size_t(i)]->setCaption(QString());
                    continue;
                }
                const script::Variant v = sc.Eval(expr[size_t(i)]);
                Label4[size_t(i)]->setCaption(QLatin1String(kResultPrefix[i]) + QStringLiteral(" = ") +
                                              QString::fromStdString(script::toString(v)));
            }
        }

        // The plot: rows x1 * S + 1 to x2 * S, x = (row - 1) / S, for as long as the script time-out allows.
        const double S = Check1->isChecked() ? 10 : 1;
        const double first = values_[kX1] * S + 1, last = values_[kX2] * S;
        const qint64 limit = sc.Timeout() < 0 ? 10000 : sc.Timeout();
        table.values.clear();
        for (double r = first; r <= last && std::isfinite(r); r += 1) {
            if (clock.elapsed() > limit)
                break;
            const double x = (r - 1) / S;
            sc.ExecuteStatement(QStringLiteral("x = ") + Str(x));
            std::vector<std::optional<double>> row(3);
            for (int i = 0; i < 3; ++i)
                if (!expr[size_t(i)].isEmpty())
                    row[size_t(i)] = script::toDouble(sc.Eval(expr[size_t(i)]));
            table.labels.push_back(Str(x));
            table.values.push_back(std::move(row));
            ++rows;
            if (r + 1 == r)
                break;  // too large to step
        }
    } catch (...) {
        // A rejected expression ends the evaluation here, silently.
        return;
    }
    plottedRows_ = rows;
    const QString range =
        QStringLiteral("Range x = ") + Str(values_[kX1]) + QStringLiteral(" to ") + Str(values_[kX2]);
    step([&] { ShowChart(*MSChart1, table, kSeriesCodes, rows, 3, range, QStringLiteral("y")); });
    step([&] { applyStatistics(); });
    Toolbar1_ButtonClick(1);
}

void GraphEditor::applyStatistics()
{
    const int choice = std::clamp(Combo1->currentIndex(), 0, 5);
    for (int s = 1; s <= 3; ++s)
        MSChart1->setStatLine(s, kStatFlags[choice], kStatColours[s - 1], kStatStyles[s - 1]);
    setCurrentChart(MSChart1->state());
}

void GraphEditor::Combo1_Click()
{
    step([&] { applyStatistics(); });
    if (MSChart1->state().rows > 0)
        step([&] { MSChart1->editCopy(); });
}

void GraphEditor::insertItem(const QString& item)
{
    QLineEdit* box = EquationTextBox[size_t(target_)];
    box->setText(box->text() + item);
    inserted_[size_t(target_)].push_back(item);
}

void GraphEditor::Digits_Click(int index)
{
    if (index < 0 || index >= int(Digits.size()))
        return;
    const QString caption = Digits[size_t(index)]->caption();
    QLineEdit* box = EquationTextBox[size_t(target_)];
    auto& history = inserted_[size_t(target_)];
    if (caption == QLatin1String("Cut")) {
        // The last keypad item comes off whole; typed text a character at a time.
        QString t = box->text();
        if (!history.empty() && t.endsWith(history.back())) {
            t.chop(history.back().size());
            history.pop_back();
        } else {
            t.chop(1);
            history.clear();
        }
        box->setText(t);
    } else if (caption == QLatin1String("Clear")) {
        box->clear();
        history.clear();
    } else if (caption == QLatin1String("Space")) {
        insertItem(QStringLiteral(" "));
    } else {
        insertItem(caption);
    }
}

void GraphEditor::MoveTo_Click()
{
    target_ = (target_ + 1) % 3;
    MoveTo->setCaption(QStringLiteral("Move to Equ. %1.").arg((target_ + 1) % 3 + 1));
    Prompt->setCaption(QStringLiteral("Select Graph Expression to Edit."));
    EquationTextBox[size_t(target_)]->setFocus();
}

void GraphEditor::Clear_Click(int index)
{
    if (index == 0) {
        for (const char* name : {"A", "B", "C", "D", "m", "n", "x", "k(0)", "k(1)", "k(2)", "k(3)", "k(4)", "k(5)",
                                 "k(6)", "q(0)", "q(1)", "q(2)"})
            step([&] { ScriptControl1.ExecuteStatement(QLatin1String(name) + QStringLiteral(" = 0")); });
        for (int i = 0; i < kValues; ++i)
            setValue(i, 0);
    } else if (index == 1) {
        for (int i = 0; i < 3; ++i) {
            EquationTextBox[size_t(i)]->clear();
            inserted_[size_t(i)].clear();
            Label4[size_t(i)]->setCaption(QString());
        }
    }
}

void GraphEditor::Combo2_Click()
{
    const int choice = Combo2->currentIndex();
    if (choice <= 0)
        return;
    setValue(kX, 10);
    setValue(kX1, -100);
    setValue(kX2, 100);
    std::array<QString, 3> boxes;
    if (choice < int(std::size(kSampleExpressions))) {
        boxes[0] = QLatin1String(kSampleExpressions[choice]);
    } else {
        boxes = {QStringLiteral("Sin(x / r)"), QStringLiteral("Sin(x / r + 45)"), QStringLiteral("Sin(x / r - 45)")};
        setValue(kX1, -360);
        setValue(kX2, 360);
        setValue(kN, 1);
    }
    if (choice == 5) {
        setValue(kX1, 0);
        setValue(kX2, 360);
        setValue(kX, 90);
        Check1->setChecked(false);
    }
    for (int i = 0; i < 3; ++i) {
        EquationTextBox[size_t(i)]->setText(boxes[size_t(i)]);
        inserted_[size_t(i)].clear();
        Label4[size_t(i)]->setCaption(QString());
    }
    target_ = 0;
    MoveTo->setCaption(QStringLiteral("Move to Equ. 2."));
    ReFreshButton_Click();
}

void GraphEditor::Examples_Click()
{
    const QString deg = QString(QChar(0x00B0));
    QString text = QStringLiteral(
                       "Example expressions to illustrate use of operators and functions only.\n"
                       "1.)  5 + 8 * 9 + Abs(a)\n2.)  Cos(45) + Sin(45)\n3.)  (a + b + c) / n\n4.)  Sin(x / r)\n"
                       "5.)  Int(25.63) / 5\n6.)  Log(32)/Log(10)\n7.)  a * x ^ 2\n8.)  Tan(32) + Sqr(15)\n\n"
                       "Arithmetic Operators.  ^  *  /  \\  Mod  +  -\n\nTo plot 360") +
                   deg +
                   QStringLiteral(" make x1 = 0, x2 = 360 and x / r. Select sample equation y = Sin(x / r).");
    for (const QString& p : graphEditorHelp())
        text += suite().paragraphBreak + p;
    showSubText(QStringLiteral("GRAPH EDITOR"), text);
}

void GraphEditor::Toolbar1_ButtonClick(int index)
{
    const bool graphs = index == 1;
    views_->setCurrentIndex(graphs ? 0 : 1);
    Toolbar1[graphs ? 0 : 1]->setChecked(true);
    if (graphs)
        suite().copySource = 0;
}

std::array<QString, 4> graphEditorHelp()
{
    return {
        QStringLiteral(
            "Type up to three expressions in x into the boxes y1, y2 and y3, or build them from the keypad of the "
            "Edit view: each key adds its item to the end of the box being edited, Cut takes the last item off "
            "again and Move to Equ. passes the keypad on to the next box. An empty box is simply left out."),
        QStringLiteral(
            "The letters a, b, c, d, m, n, k(0) to k(6) and q(0) to q(2) are values you set by clicking them; g is "
            "the sum of the k values and h the sum of the q values. pi is 3.14159... and r is the number of "
            "degrees in a radian (57.3), so Sin(x / r) takes x in degrees."),
        QStringLiteral(
            "Press y= to plot. x runs from x1 to x2 in steps of 1, or of 0.1 when Fine steps is ticked, and each "
            "expression is worked out for every step. With Single value x ticked the expressions are also worked "
            "out once for the value x and the answers shown beside the boxes."),
        QStringLiteral(
            "The statistics list adds a line to each graph: its minimum, maximum or mean, the mean plus and minus "
            "one standard deviation, or the straight trend line that best fits the points. An expression the "
            "computer cannot work out stops the plot at that point and the previous graph stays."),
    };
}

namespace {
RegisterForm<GraphEditor> reg(QStringLiteral("GraphEditor"));
}

}  // namespace orr
