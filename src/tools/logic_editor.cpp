// The logic editor: keypad editing of the expression, the variable buttons and
// the evaluation of Q and NOT Q through the script control.
#include "tools/logic_editor.h"

#include <QFrame>
#include <QLineEdit>
#include <algorithm>

#include "platform/controls.h"
#include "platform/msgbox.h"
#include "platform/picture.h"
#include "shell/main_window.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "values/floating_dialog.h"

namespace orr {

namespace {

const RegisterForm<LogicEditor> registerLogicEditor(QStringLiteral("LogicEditor"));

struct Key {
    int index;
    const char* caption;
    const char* tip;
};

// The keypad: operator captions carry one blank each side so that keys can be
// clicked one after another into a readable expression.
constexpr Key kKeys[] = {
    {0, "0", "Logic 0"},
    {1, "-1", "Logic 1"},
    {2, " AND ", "AND function"},
    {3, " OR ", "OR function"},
    {4, " NOT ", "NOT function"},
    {5, " XOR ", "Exclusive OR function"},
    {10, "A", "Logic a"},
    {11, "B", "Logic b"},
    {12, "C", "Logic c"},
    {13, "D", "Logic d"},
    {15, "X", "Logic x"},
    {16, "Y", "Logic y"},
    {30, "(", "Open brackets"},
    {31, ")", "Close brackets"},
    {LogicEditor::kDelete, "<Delete", "Delete one character left."},
    {LogicEditor::kClear, "Clear", "Clear equation."},
    {LogicEditor::kSpace, "Space", "Insert Space"},
};

// Keypad rows, top to bottom, by key index.
const std::vector<std::vector<int>> kRows = {
    {10, 11, 12, 13, 15, 16},
    {2, 3, 4, 5},
    {0, 1, 30, 31},
    {LogicEditor::kSpace, LogicEditor::kDelete, LogicEditor::kClear},
};

// Script variable behind each input label index; J and K have no button.
const char* const kVariableNames[] = {"A", "B", "C", "D", "X", "Y", "J", "K"};

const QString kNotes = QStringLiteral(
    "Notes: 0 = FALSE : -1 = logic 1 or TRUE   :   NAND = NOT( X AND Y)   :   NOR = NOT( A OR B)");
const QString kExamples =
    QStringLiteral("Examples:      A AND B AND C AND D OR NOT( X OR Y)    :    NOT((A OR B) AND C)");

// Window and layout, in twips.
constexpr int kWidth = 9000;
constexpr int kHeight = 4950;
constexpr int kMargin = 120;
constexpr int kGap = 90;
constexpr int kBoxesTop = 1500;
constexpr int kBoxesHeight = 2760;
constexpr int kKeypadWidth = 5160;
constexpr int kKeyHeight = 510;

QString withoutLeadingBlanks(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

// Marks the editor busy while the script control evaluates: the control keeps
// the window responsive, and clicks that reach it meanwhile must not start
// another evaluation in the same engine.
class Busy {
public:
    explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
    ~Busy() { flag_ = false; }
private:
    bool& flag_;
};

}  // namespace

LogicEditor::LogicEditor() : Form(QStringLiteral("LogicEditor"))
{
    setCaption(QStringLiteral("Logic Editor"));
    script_.setLanguage(QStringLiteral("VBScript"));
    script_.setTimeout(10000);

    // The picture lies behind the controls; nothing is drawn on it.
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
    Picture1->setScaleWidth(701);
    Picture1->setScaleHeight(420);

    EquationTextBox = new QLineEdit(this);
    EquationTextBox->setObjectName(QStringLiteral("EquationTextBox"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(18);
    EquationTextBox->setFont(arial);
    connect(EquationTextBox, &QLineEdit::textChanged, this, [this] { EquationTextBox_Change(); });
    // The Return key in the box does what the Enter button does.
    connect(EquationTextBox, &QLineEdit::returnPressed, this, [this] { Enter_Click(); });

    Enter = new CommandButton(this, QStringLiteral("Enter"));
    Enter->setCaption(QStringLiteral("Enter"));
    connect(Enter, &QPushButton::clicked, this, [this] { Enter_Click(); });

    QFont small = font();
    small.setPixelSize(11);
    Label1 = new Label(this, QStringLiteral("Label1"));
    Label1->setFont(small);
    Label5 = new Label(this, QStringLiteral("Label5"));
    Label5->setFont(small);

    buildKeypad();
    buildVariables();
    Picture1->lower();
}

void LogicEditor::layoutControls()
{
    // Everything is placed from the left margin; the right-hand column keeps the
    // same margin to the window's inner edge.
    const int right = std::max(scaleWidth(), kKeypadWidth + 3200) - kMargin;
    Picture1->setGeometry(0, 0, QWidget::width(), QWidget::height());
    EquationTextBox->setGeometry(twips(kMargin, kMargin, right - kMargin - 1440 - kMargin, 510));
    Enter->setGeometry(twips(right - 1440, kMargin, 1440, 510));
    Label1->setGeometry(twips(kMargin, 780, right - kMargin, 300));
    Label5->setGeometry(twips(kMargin, 1080, right - kMargin, 300));
    Frame->setGeometry(twips(kMargin, kBoxesTop, kKeypadWidth, kBoxesHeight));
    const int left = kMargin + kKeypadWidth + kMargin;
    const int width = right - left;
    Panel3D1->setGeometry(twips(left, kBoxesTop, width, kBoxesHeight));
    const int inner = width - 2 * kMargin;
    Label2->setGeometry(twips(kMargin, 90, inner, 300));
    const int w = (inner - (kVariables - 1) * 60) / kVariables;
    for (int i = 0; i < kVariables; ++i) {
        const int x = kMargin + i * (w + 60);
        SelectButton[size_t(i)]->setGeometry(twips(x, 420, w, 450));
        InputLabel[size_t(i)]->setGeometry(twips(x, 930, w, 330));
    }
    const int half = (inner - kMargin) / 2;
    Label3->setGeometry(twips(kMargin, 1500, half, 300));
    Label7->setGeometry(twips(2 * kMargin + half, 1500, half, 300));
    Label4->setGeometry(twips(kMargin, 1860, half, 540));
    Label6->setGeometry(twips(2 * kMargin + half, 1860, half, 540));
}

void LogicEditor::buildKeypad()
{
    Frame = new QFrame(this);
    Frame->setObjectName(QStringLiteral("Frame"));
    Frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    const int inner = kKeypadWidth - 2 * kMargin;
    for (size_t r = 0; r < kRows.size(); ++r) {
        const int n = int(kRows[r].size());
        const int w = (inner - (n - 1) * kGap) / n;
        for (int c = 0; c < n; ++c) {
            const int index = kRows[r][size_t(c)];
            auto* b = new CommandButton(Frame, QStringLiteral("Digits"), index);
            b->setGeometry(twips(kMargin + c * (w + kGap), kMargin + int(r) * (kKeyHeight + 150), w, kKeyHeight));
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &CommandButton::clickedIndex, this, [this](int i) { Digits_Click(i); });
            digits_[size_t(index)] = b;
        }
    }
}

void LogicEditor::buildVariables()
{
    Panel3D1 = new Panel3D(this, QStringLiteral("Panel3D1"));
    auto label = [this](const QString& name, const QString& text) {
        auto* l = new Label(Panel3D1, name);
        l->setAlignment(Qt::AlignCenter);
        l->setText(text);
        return l;
    };
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Variables"));
    for (int i = 0; i < kVariables; ++i) {
        auto* b = new CommandButton(Panel3D1, QStringLiteral("SelectButton"), i);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &CommandButton::clickedIndex, this, [this](int k) { SelectButton_Click(k); });
        SelectButton[size_t(i)] = b;
        auto* v = new Label(Panel3D1, QStringLiteral("InputLabel"), i);
        v->setAlignment(Qt::AlignCenter);
        v->setFrameStyle(QFrame::Box | QFrame::Plain);
        connect(v, &Label::changed, this, [this, i] { InputLabel_Change(i); });
        InputLabel[size_t(i)] = v;
    }
    QFont big = font();
    big.setPixelSize(20);
    big.setBold(true);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Q"));
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("NOT Q"));
    Label4 = label(QStringLiteral("Label4"), QString());
    Label6 = label(QStringLiteral("Label6"), QString());
    for (Label* l : {Label4, Label6}) {
        l->setFont(big);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
}

CommandButton* LogicEditor::Digits(int index) const
{
    return index >= 0 && index <= kLastKey ? digits_[size_t(index)] : nullptr;
}

void LogicEditor::formLoad()
{
    SuiteState& s = suite();
    // Shown before it is placed, so that the cascade step of a first showing
    // does not move it from the place set here.
    showForm();
    setSize(kWidth, kHeight);
    if (MainWindow* m = MainWindow::instance()) {
        setLeft(m->widthTwips() / 2 - 4500);
        setTop(m->heightTwips() / 5);
    }
    layoutControls();
    s.currentWindow = this;
    s.currentPicture = Picture1;
    s.entryLock = true;
    // The variables are declared before anything assigns to them.
    try {
        script_.ExecuteStatement(QStringLiteral("Public A, B, C, D, Y, X, J, K"));
    } catch (const ScriptFailure&) {
    }
    for (Label* l : InputLabel)
        l->setCaption(QStringLiteral("0"));
    Label1->setText(kNotes);
    Label5->setText(kExamples);
    for (const Key& k : kKeys) {
        digits_[size_t(k.index)]->setCaption(QString::fromUtf8(k.caption));
        digits_[size_t(k.index)]->setToolTip(QString::fromUtf8(k.tip));
    }
    s.drawingScale = 1.0f;
    for (int i = 0; i < kVariables; ++i)
        SelectButton[size_t(i)]->setCaption(QLatin1String(kVariableNames[i]));
    evaluate();
}

void LogicEditor::formResize() { layoutControls(); }

void LogicEditor::formActivate()
{
    suite().currentWindow = this;
    suite().currentPicture = Picture1;
    hideAllToolbarButtons();
}

void LogicEditor::formUnload()
{
    // A window closed while an evaluation runs stops it.
    if (evaluating_)
        ScriptControl::interrupt();
}

void LogicEditor::SelectButton_Click(int index)
{
    if (evaluating_ || index < 0 || index >= kVariables)
        return;
    bool& on = state_[size_t(index)];
    on = !on;
    InputLabel[size_t(index)]->setCaption(on ? QStringLiteral("-1") : QStringLiteral("0"));
    suite().entryLock = false;
}

void LogicEditor::InputLabel_Change(int index)
{
    if (evaluating_)
        return;
    if (index >= 0 && index <= 7) {
        const QString caption = index < kVariables ? InputLabel[size_t(index)]->caption() : QString();
        try {
            script_.ExecuteStatement(QLatin1String(kVariableNames[index]) + QStringLiteral(" = ") + caption);
        } catch (const std::exception&) {
            // A failing assignment leaves the variable as it was; the evaluation still runs.
        }
    }
    evaluate();
}

void LogicEditor::EquationTextBox_Change() { equation_ = EquationTextBox->text(); }

void LogicEditor::Digits_Click(int index)
{
    if (index == kDelete)
        equation_.chop(1);
    else if (index == kClear) {
        equation_.clear();
        EquationTextBox->setText(QString());
        Label4->setCaption(QString());
    } else if (index == kSpace)
        equation_ += QLatin1Char(' ');
    else if (CommandButton* key = Digits(index))
        equation_ += key->caption();
    EquationTextBox->setText(withoutLeadingBlanks(equation_));
    equation_ = EquationTextBox->text();
}

void LogicEditor::Enter_Click()
{
    if (!evaluating_)
        evaluate();
}

void LogicEditor::evaluate()
{
    SuiteState& s = suite();
    s.entryLock = false;
    {
        BusyCursor hourglass;
        s.textOffset = 0;
        s.drawingScale = 1.0f;
        const QString text = EquationTextBox->text();
        // An empty expression has no value: nothing to show and nothing to report.
        if (!text.trimmed().isEmpty()) {
            QPointer<LogicEditor> alive(this);
            bool failed = false;
            bool value = false;
            {
                Busy busy(evaluating_);
                try {
                    value = script::toBool(script_.Eval(text));
                } catch (const std::exception&) {
                    failed = true;
                }
            }
            if (!alive || !isLoaded())
                return;
            if (failed) {
                msgBox(QStringLiteral("Please re-check your entry"), MsgButtons::Ok,
                       QStringLiteral("Logic evaluation error."));
            } else {
                result_ = value;
                Label4->setCaption(value ? QStringLiteral("-1") : QStringLiteral("0"));
                Label6->setCaption(value ? QStringLiteral("0") : QStringLiteral("-1"));
            }
        }
        s.textOffset = 0;
        s.drawingScale = 1.0f;
    }
    s.entryLock = true;
}

}  // namespace orr
