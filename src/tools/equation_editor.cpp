// EquationEditor: the window, its keypad and variables, and evaluation through the script control.
#include "tools/equation_editor.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <cmath>

#include "draw/palette.h"
#include "draw/primitives.h"
#include "platform/controls.h"
#include "platform/msgbox.h"
#include "platform/picture.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "values/quantities.h"
#include "values/value_entry.h"

namespace orr {

namespace {

using namespace equation;

const char* const kVariableNames[EquationEditor::kVariables] = {"a", "b", "c", "d", "x", "y"};
// The statement that assigns each variable (the script ignores letter case).
const char* const kAssignments[EquationEditor::kVariables] = {"A = ", "B = ", "C = ", "D = ", "x = ", "y = "};
const QString kDecimal = QStringLiteral("Decimal No.");

// Window layout, in pixels.
constexpr int kMargin = 6;
constexpr int kPictureHeight = 118;
constexpr int kKeyWidth = 54, kKeyHeight = 30, kKeyPitchX = 58, kKeyPitchY = 34, kBlockGap = 14;
constexpr int kKeypadTop = 238;

// Keypad position (column, row) of every key: digits, variables and
// brackets, operators, functions, each block a few columns wide.
QRect keyRect(int index)
{
    static const int digitOrder[] = {9, 6, 7, 8, 3, 4, 5, 0, 1, 2};  // 0 bottom left, 7 8 9 on top
    int column = 0, row = 0, span = 1;
    double block = 0;
    if (index <= 9) {
        column = index == 0 ? 0 : digitOrder[index] % 3;
        row = index == 0 ? 3 : digitOrder[index] / 3;
    } else if (index == kPoint || index == kExponent) {
        column = index == kPoint ? 1 : 2;
        row = 3;
    } else if (index < kOpenBracket) {
        block = 1;
        column = 3 + (index - kFirstVariable) % 3;
        row = (index - kFirstVariable) / 3;
    } else if (index == kOpenBracket || index == kCloseBracket || index == kSpace) {
        block = 1;
        column = index == kOpenBracket ? 3 : index == kCloseBracket ? 4 : 5;
        row = 2;
    } else if (index == kDelete || index == kClear) {
        block = 1;
        column = index == kDelete ? 3 : 5;
        span = index == kDelete ? 2 : 1;
        row = 3;
    } else if ((index >= kPlus && index <= kMod) || index == kEquals) {
        block = 2;
        const int k = index == kEquals ? 7 : index - kPlus;
        column = 6 + k % 2;
        row = k / 2;
    } else {
        block = 3;
        column = 8 + (index - kFirstFunction) % 3;
        row = (index - kFirstFunction) / 3;
    }
    const int x = kMargin + column * kKeyPitchX + int(block * kBlockGap);
    return {x, kKeypadTop + row * kKeyPitchY, kKeyWidth * span + (kKeyPitchX - kKeyWidth) * (span - 1), kKeyHeight};
}

// While the editor draws, the drawing kit acts on its picture at the plain
// scale; whatever window was current keeps its own settings afterwards.
class DrawingOn {
public:
    explicit DrawingOn(PictureBox* picture)
        : s_(suite()), picture_(s_.currentPicture), scale_(s_.drawingScale), offset_(s_.textOffset), zoom_(s_.zoomLevel)
    {
        s_.currentPicture = picture;
        s_.drawingScale = 1.0f;
        s_.textOffset = 0;
        s_.zoomLevel = 0;
    }
    ~DrawingOn()
    {
        s_.currentPicture = picture_;
        s_.drawingScale = scale_;
        s_.textOffset = offset_;
        s_.zoomLevel = zoom_;
    }
    DrawingOn(const DrawingOn&) = delete;
    DrawingOn& operator=(const DrawingOn&) = delete;

private:
    SuiteState& s_;
    QPointer<PictureBox> picture_;
    float scale_;
    int offset_;
    float zoom_;
};

Label* sunkenLabel(QWidget* parent, const QString& name, int index, const QRect& r)
{
    auto* l = new Label(parent, name, index);
    l->setGeometry(r);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::white);
    l->setPalette(pal);
    return l;
}

// The number as the script language writes it: what the script reads back exactly.
QString scriptNumber(double v) { return Str(v); }

}  // namespace

EquationEditor::EquationEditor() : Form(QStringLiteral("EquationEditor"))
{
    setCaption(QStringLiteral("EQUATION EDITOR"));
    buildControls();
}

void EquationEditor::buildControls()
{
    const int inner = 705;
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
    Picture1->setGeometry(kMargin, kMargin, inner, kPictureHeight);
    Picture1->setScaleWidth(701);
    Picture1->setScaleHeight(kPictureHeight);

    QFont boxFont(QStringLiteral("Verdana"), 13);
    EquationTextBox = new QLineEdit(this);
    EquationTextBox->setObjectName(QStringLiteral("EquationTextBox"));
    EquationTextBox->setGeometry(kMargin, 132, 545, 32);
    EquationTextBox->setFont(boxFont);
    connect(EquationTextBox, &QLineEdit::returnPressed, this, &EquationEditor::Enter_Click);

    Label4 = sunkenLabel(this, QStringLiteral("Label4"), -1, QRect(kMargin, 170, 545, 28));
    QFont resultFont(QStringLiteral("Verdana"), 12);
    resultFont.setBold(true);
    Label4->setFont(resultFont);
    Label4->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Enter = new CommandButton(this, QStringLiteral("Enter"));
    Enter->setCaption(QStringLiteral("Enter"));
    Enter->setGeometry(559, 132, 152, 32);
    Enter->setToolTip(QStringLiteral("Evaluate the expression."));
    connect(Enter, &QPushButton::clicked, this, &EquationEditor::Enter_Click);
    Rounding = new CommandButton(this, QStringLiteral("Rounding"));
    Rounding->setCaption(QStringLiteral("Rounding"));
    Rounding->setGeometry(559, 170, 152, 28);
    Rounding->setToolTip(QStringLiteral("Round the result to two decimal places."));
    connect(Rounding, &QPushButton::clicked, this, &EquationEditor::Rounding_Click);

    for (int i = 0; i < kVariables; ++i) {
        const int x = kMargin + i * 118;
        auto* b = new CommandButton(this, QStringLiteral("SelectButton"), i);
        b->setCaption(QLatin1String(kVariableNames[i]));
        b->setGeometry(x, 204, 40, 26);
        connect(b, &CommandButton::clickedIndex, this, &EquationEditor::SelectButton_Click);
        SelectButton[size_t(i)] = b;
        auto* l = sunkenLabel(this, QStringLiteral("InputLabel"), i, QRect(x + 44, 204, 68, 26));
        l->setAlignment(Qt::AlignCenter);
        connect(l, &Label::changed, this, &EquationEditor::InputLabel_Change);
        InputLabel[size_t(i)] = l;
    }

    QFont keyFont(QStringLiteral("Arial"), 10);
    for (int i = 0; i < kKeyCount; ++i) {
        auto* k = new CommandButton(this, QStringLiteral("Digits"), i);
        k->setCaption(keyCaption(i));
        k->setToolTip(keyTip(i));
        k->setGeometry(keyRect(i));
        k->setFont(keyFont);
        k->setFocusPolicy(Qt::NoFocus);  // the expression box keeps the keyboard
        k->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
        connect(k, &CommandButton::clickedIndex, this, &EquationEditor::Digits_Click);
        Digits[size_t(i)] = k;
    }

    QFont noteFont(QStringLiteral("Arial"), 9);
    const int notesTop = kKeypadTop + 4 * kKeyPitchY + 8;
    Label1 = new Label(this, QStringLiteral("Label1"));
    Label1->setText(
        QStringLiteral("Notes:  Include numerical operators. :  Radians and degrees multiply or divide by 57.3. "));
    Label1->setGeometry(kMargin, notesTop, inner, 20);
    Label1->setFont(noteFont);
    Label2 = new Label(this, QStringLiteral("Label2"));
    Label2->setText(QStringLiteral(
        "Expression valid?     1 + 2 = 2 + 1 [TRUE] : 1 + 2 = 5 [FALSE]    e.g. a / b = a * b / c"));
    Label2->setGeometry(kMargin, notesTop + 22, inner, 20);
    Label2->setFont(noteFont);
}

void EquationEditor::formLoad()
{
    setSize(10875, 6900);
    // The six variables live in the script for the life of the window.
    try {
        script_.ExecuteStatement(QStringLiteral("Public a, b, c, d, y, x"));
    } catch (const std::exception&) {
    }
    for (int i = 0; i < kVariables; ++i)
        if (!setVariable(i, values_[size_t(i)]))
            showVariable(i);
    results();
}

void EquationEditor::formActivate()
{
    suite().currentWindow = this;
    hideAllToolbarButtons();
}

void EquationEditor::formQueryUnload()
{
    if (evaluating_)
        ScriptControl::interrupt();
}

void EquationEditor::closeEvent(QCloseEvent* e)
{
    // The script runs on this window's engine: a close asked for while it runs
    // stops it first and closes once the evaluation has returned.
    if (evaluating_) {
        closeAfterEvaluation_ = true;
        ScriptControl::interrupt();
        e->ignore();
        return;
    }
    Form::closeEvent(e);
}

void EquationEditor::showVariable(int index)
{
    const double v = values_.at(size_t(index));
    const bool lock = suite().entryLock;
    suite().entryLock = true;
    InputLabel[size_t(index)]->setCaption(formatEntry(kDecimal, v, scriptNumber(v)));
    suite().entryLock = lock;
}

bool EquationEditor::setVariable(int index, double value)
{
    if (index < 0 || index >= kVariables || evaluating_)
        return false;
    try {
        script_.ExecuteStatement(QLatin1String(kAssignments[index]) + scriptNumber(value));
    } catch (const std::exception&) {
        return false;  // the variable keeps its value
    }
    values_[size_t(index)] = value;
    showVariable(index);
    results();
    return true;
}

void EquationEditor::setExpression(const QString& text) { EquationTextBox->setText(text); }

void EquationEditor::SelectButton_Click(int index)
{
    if (index < 0 || index >= kVariables || evaluating_)
        return;
    SuiteState& s = suite();
    s.currentWindow = this;
    s.entryLock = true;
    s.editedInputLabel = InputLabel[size_t(index)];
    s.quantityType = kDecimal;
    try {
        OpenValueEntry(kDecimal, index);
    } catch (...) {
    }
    s.entryLock = false;
}

void EquationEditor::InputLabel_Change(int index)
{
    if (suite().entryLock)
        return;
    // The dialog's own text, not the label's formatted one (which brackets negatives).
    if (!setVariable(index, Val(InputValueText())))
        showVariable(index);
}

void EquationEditor::Enter_Click()
{
    const QString expression = EquationTextBox->text();
    if (evaluating_ || expression.trimmed().isEmpty())
        return;
    BusyCursor hourglass;
    evaluating_ = true;
    for (CommandButton* b : SelectButton)
        b->setEnabled(false);
    Enter->setEnabled(false);
    Rounding->setEnabled(false);
    bool failed = false;
    QString result;
    try {
        result = QString::fromStdString(script::toString(script_.Eval(expression)));
    } catch (...) {
        failed = true;  // syntax, run-time, time-out: all end in the one message
    }
    evaluating_ = false;
    for (CommandButton* b : SelectButton)
        b->setEnabled(true);
    Enter->setEnabled(true);
    Rounding->setEnabled(true);
    if (closeAfterEvaluation_) {
        FormRegistry::instance().unload(this);
        return;
    }
    if (failed) {
        msgBox(QStringLiteral("Please re-check your entry"), MsgButtons::Ok,
               QStringLiteral("Equation evaluation error."));
        return;
    }
    Label4->setText(result);
    checkedExpression_ = expression.trimmed();
    results();
}

void EquationEditor::Rounding_Click()
{
    if (evaluating_ || Label4->text().isEmpty())
        return;
    // The result read back as a number ("True" reads as 0), then as Round(n, 2) gives it.
    const double v = Val(Label4->text());
    const double rounded = script::roundHalfEven(v * 100) / 100;
    Label4->setText(QString::fromStdString(script::formatDouble(std::isfinite(rounded) ? rounded : v)));
    results();
}

void EquationEditor::Digits_Click(int index)
{
    EquationTextBox->setText(pressKey(EquationTextBox->text(), index));
    if (index == kClear) {
        Label4->clear();
        checkedExpression_.clear();
        results();
    }
}

void EquationEditor::results()
{
    using namespace colour;
    DrawingOn target(Picture1);
    Picture1->cls();
    int bold = 1;
    printAt(10, 6, QStringLiteral("Equation Editor."), Title, 10, bold);
    if (!checkedExpression_.isEmpty()) {
        printFitted(10, 30, checkedExpression_, Navy, 14, 1, 680);
        printFitted(10, 58, QStringLiteral("Result:   ") + Label4->text(), Maroon, 14, 1, 680);
    }
    QStringList values;
    for (int i = 0; i < kVariables; ++i)
        values << QLatin1String(kVariableNames[i]) + QStringLiteral(" = ") + scriptNumber(values_[size_t(i)]);
    printFitted(10, 94, values.join(QStringLiteral("     ")), Teal, 9, 0, 680);
}

EquationEditor* EquationEditor::openWith(const QString& expression, double a, double b, double c)
{
    auto* editor = formAs<EquationEditor>(QStringLiteral("EquationEditor"));
    if (!editor)
        return nullptr;
    editor->showForm();
    editor->bringToFront();
    const double values[] = {a, b, c};
    for (int i = 0; i < 3; ++i)
        editor->setVariable(i, values[i]);
    editor->setExpression(expression);
    editor->Label4->clear();
    editor->checkedExpression_.clear();
    editor->results();
    return editor;
}

namespace {
RegisterForm<EquationEditor> reg(QStringLiteral("EquationEditor"));
}

}  // namespace orr
