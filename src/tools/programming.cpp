// Programming: the workbench window, running programs through the script
// control, the statement and function buttons, files and printing.
#include "tools/programming.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextBlock>
#include <QToolButton>

#include "platform/chart.h"
#include "platform/controls.h"
#include "platform/dialog_answers.h"
#include "platform/msgbox.h"
#include "script/host.h"
#include "shell/chart_procedure.h"
#include "shell/print_copy.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "tools/basic_translator.h"
#include "tools/programming_texts.h"
#include "values/value_entry.h"

namespace orr {

namespace {

using namespace programming;
using script::Variant;

const QString kErrorTitle = QStringLiteral("Error in program");

// The object the program sees as "Output": Show, Clear and Graph reach the window.
class ProgramClass final : public script::HostObject {
public:
    explicit ProgramClass(Programming* window) : window_(window) {}
    std::string typeName() const override { return "ProgramClass"; }
    bool hasMember(std::string_view n) const override { return n == "show" || n == "clear" || n == "graph"; }
    Variant invoke(std::string_view n, std::vector<Variant>& args) override
    {
        const size_t wanted = n == "show" ? 1 : n == "graph" ? 2 : 0;
        if (!hasMember(n))
            script::raise(script::ErrNoSuchMember, std::string(n));
        if (args.size() != wanted)
            script::raise(script::ErrWrongArgs, std::string(n));
        if (!window_)
            return {};
        if (n == "show") {
            const Variant& v = args[0].deref();
            window_->Show(v.isNull() ? QString() : QString::fromStdString(script::toString(v)));
        } else if (n == "clear") {
            window_->Clear();
        } else {
            window_->Graph(args[0].deref(), args[1].deref());
        }
        return {};
    }

private:
    QPointer<Programming> window_;
};

// The elements of a one-dimensional array; a type mismatch for anything else.
const std::vector<Variant>& arrayElements(const Variant& v)
{
    if (!v.isArray() || !v.rawArray() || v.rawArray()->ubounds.size() != 1)
        script::raise(script::ErrTypeMismatch, "GRAPH needs two arrays");
    return v.rawArray()->data;
}

// Window layout, in pixels.
constexpr int kMargin = 4, kWidth = 772;
constexpr int kPanesTop = 62, kPanesHeight = 240, kNotesTop = 306, kNotesHeight = 100;
constexpr int kStatementsTop = 412, kFunctionsTop = 468;

const char* const kToolbarCaptions[Programming::kToolbarButtons] = {"Open", "Save", "Print", "Print Run", "Cut",
                                                                    "Copy", "Paste", "Notes", "Panes"};
const char* const kToolbarTips[Programming::kToolbarButtons] = {
    "Open a program file.", "Save the program to a file.", "Print the programming pane.",
    "Print the run pane.", "Cut the selected text.", "Copy the selected text.",
    "Paste at the caret.", "Show the notes panel.", "Show the programming and run panes."};

// A caption as a button shows it: a lone "&" would mark a shortcut letter.
QString buttonText(QString caption) { return caption.replace(QLatin1Char('&'), QLatin1String("&&")); }

}  // namespace

Programming::Programming() : Form(QStringLiteral("Programming"))
{
    setCaption(QStringLiteral("BASIC Programming."));
    buildControls();
}

void Programming::buildControls()
{
    for (int i = 0; i < kToolbarButtons; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(controlName(QStringLiteral("Toolbar1"), i));
        b->setText(QLatin1String(kToolbarCaptions[i]));
        b->setToolTip(QLatin1String(kToolbarTips[i]));
        b->setGeometry(kMargin + i * 62, kMargin, 60, 24);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, i] { Toolbar1_ButtonClick(i); });
        Toolbar1[size_t(i)] = b;
    }
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(574, kMargin, 120, 24);
    Combo1->addItems(sampleNames());
    connect(Combo1, &QComboBox::activated, this, &Programming::Combo1_Click);
    RunButton = new CommandButton(this, QStringLiteral("RunButton"));
    RunButton->setCaption(QStringLiteral("RUN"));
    RunButton->setToolTip(QStringLiteral("Executes the program."));
    RunButton->setGeometry(700, kMargin, 76, 24);
    connect(RunButton, &QPushButton::clicked, this, &Programming::RunButton_Click);

    Panel3D1 = new Panel3D(this, QStringLiteral("Panel3D1"));
    Panel3D1->setCaption(QStringLiteral("Apply the powerful features of VBScript to your project."));
    Panel3D1->setGeometry(kMargin, 32, kWidth, 26);

    QFont paneFont(QStringLiteral("Arial"), 10);
    Program = new QPlainTextEdit(this);
    Program->setObjectName(QStringLiteral("Program"));
    Program->setToolTip(QStringLiteral("Programming Pane."));
    Program->setFont(paneFont);
    Program->setLineWrapMode(QPlainTextEdit::NoWrap);
    Program->setGeometry(kMargin, kPanesTop, 440, kPanesHeight);
    connect(Program, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText_)
            changed_ = true;
    });
    RunProg = new QPlainTextEdit(this);
    RunProg->setObjectName(QStringLiteral("RunProg"));
    RunProg->setToolTip(QStringLiteral("Run Pane."));
    RunProg->setFont(paneFont);
    RunProg->setReadOnly(true);
    RunProg->setGeometry(kMargin + 446, kPanesTop, kWidth - 446, kPanesHeight);
    ConvertProg = new QPlainTextEdit(this);
    ConvertProg->setObjectName(QStringLiteral("ConvertProg"));
    ConvertProg->hide();

    Label1 = new Label(this, QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Notes."));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label1->setFont(QFont(QStringLiteral("Arial"), 9));
    Label1->setGeometry(kMargin, kNotesTop, kWidth, kNotesHeight);
    Statement = new Label(this, QStringLiteral("Statement"));
    Statement->hide();
    connect(Statement, &Label::changed, this, [this](int) { Statement_Change(); });
    InputLabel = new Label(this, QStringLiteral("InputLabel"));
    InputLabel->hide();
    connect(InputLabel, &Label::changed, this, [this](int) { InputLabel_Change(); });

    QFont keyFont(QStringLiteral("Arial"), 8);
    for (int i = 0; i < kStatements; ++i) {
        auto* b = new CommandButton(this, QStringLiteral("StateMents"), i);
        b->setCaption(QLatin1String(statement(i).caption));
        b->setToolTip(QLatin1String(statement(i).tip));
        // A caption too long for the button is set a size smaller.
        b->setFont(QFontMetrics(keyFont).horizontalAdvance(b->text()) > 70 ? QFont(QStringLiteral("Arial"), 7)
                                                                          : keyFont);
        b->setFocusPolicy(Qt::NoFocus);  // the programming pane keeps its caret
        b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
        b->setGeometry(kMargin + (i % 10) * 77, kStatementsTop + (i / 10) * 26, 75, 24);
        connect(b, &CommandButton::clickedIndex, this, &Programming::StateMents_Click);
        StateMents[size_t(i)] = b;
    }
    for (int i = 0; i < kFunctions; ++i) {
        auto* b = new CommandButton(this, QStringLiteral("Functions"), i);
        b->setCaption(buttonText(functionCaption(i)));
        b->setToolTip(functionTip(i));
        b->setFont(keyFont);
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
        b->setGeometry(kMargin + (i % 12) * 64, kFunctionsTop + (i / 12) * 26, 62, 24);
        connect(b, &CommandButton::clickedIndex, this, &Programming::Functions_Click);
        Functions[size_t(i)] = b;
    }
    MSChart1 = new ChartControl(this, QStringLiteral("MSChart1"));
    MSChart1->hide();
}

void Programming::formLoad()
{
    setSize(11850, 8900);
    script_.setTimeout(kRunTimeoutMs);
}

void Programming::formActivate()
{
    suite().currentWindow = this;
    hideAllToolbarButtons();
}

void Programming::formQueryUnload()
{
    if (running_)
        ScriptControl::interrupt();
}

void Programming::closeEvent(QCloseEvent* e)
{
    // The program runs inside this window's handler: a close asked for while
    // it runs stops it first and closes once the run has returned.
    if (running_) {
        closeAfterRun_ = true;
        ScriptControl::interrupt();
        e->ignore();
        return;
    }
    Form::closeEvent(e);
}

bool Programming::eventFilter(QObject* watched, QEvent* e)
{
    if (running_ && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        ScriptControl::interrupt();
        return true;
    }
    return Form::eventFilter(watched, e);
}

void Programming::RunButton_Click()
{
    if (running_)
        return;
    RunProg->clear();
    const QString code = QString::fromStdString(basic::translate(Program->toPlainText().toStdString()));
    ConvertProg->setPlainText(code);
    running_ = true;
    RunButton->setEnabled(false);
    qApp->installEventFilter(this);  // Escape stops the program wherever the focus is
    bool failed = false;
    // Every run starts from a fresh script state, so a changed program's Main
    // replaces the last one instead of clashing with it.
    try {
        script_.Reset();
        script_.AddObject(QStringLiteral("Output"), std::make_shared<ProgramClass>(this), true);
        script_.AddCode(code);
        script_.Run(QStringLiteral("Main"));
    } catch (const ScriptFailure&) {
        failed = true;
    } catch (const std::exception& e) {
        failed = true;
        msgBox(QStringLiteral("ERROR # 51\n") + QString::fromUtf8(e.what()), MsgButtons::Ok, kErrorTitle);
    }
    qApp->removeEventFilter(this);
    running_ = false;
    RunButton->setEnabled(true);
    if (failed && script_.Error().Number != 0)
        reportError();
    if (closeAfterRun_)
        FormRegistry::instance().unload(this);
}

void Programming::reportError()
{
    const ScriptErrorInfo& e = script_.Error();
    QString description = e.Description;
    if (e.Number == script::ErrInterrupted)
        description = QStringLiteral("The program was stopped (Escape pressed).");
    QString text = description + QStringLiteral("\nIn Row ") + QString::number(e.Line);
    if (Program->toPlainText().contains(QLatin1String("()")))
        text += QStringLiteral(", column ") + QString::number(e.Column);
    msgBox(text, MsgButtons::Ok, kErrorTitle);
}

void Programming::Show(const QString& text)
{
    QTextCursor c(RunProg->document());
    c.movePosition(QTextCursor::End);
    c.insertText(QStringLiteral("\n") + text);
}

void Programming::Clear() { RunProg->clear(); }

void Programming::Graph(const Variant& data, const Variant& labels)
{
    const std::vector<Variant>& values = arrayElements(data);
    const std::vector<Variant>& names = arrayElements(labels);
    const int rows = int(values.size());
    ChartTable table;
    table.resize(rows, 1);
    for (int i = 0; i < rows; ++i) {
        table.labels[size_t(i)] =
            size_t(i) < names.size() ? QString::fromStdString(script::toString(names[size_t(i)])) : QString();
        table.values[size_t(i)][0] = script::toDouble(values[size_t(i)]);
    }
    ShowChart(*MSChart1, table, {1}, rows, 1, QString(), QString());
    if (Form* plot = form(QStringLiteral("Plotform"))) {
        plot->showForm();
        plot->bringToFront();
    }
}

void Programming::insertAtCaret(const QString& text)
{
    Program->insertPlainText(text);
    Program->setFocus();
}

void Programming::StateMents_Click(int index)
{
    if (index < 0 || index >= kStatements)
        return;
    Label1->setText(helpText(index));
    // A statement begins a line of its own.
    if (!Program->textCursor().atBlockStart())
        insertAtCaret(QStringLiteral("\n"));
    if (!opensTextEntry(index)) {
        if (index == Array)
            insertAtCaret(QLatin1String(statement(index).inserted));
        else
            InputLabel->setCaption(blockTemplate(index));
        return;
    }
    insertAtCaret(QLatin1String(statement(index).inserted));
    pendingStatement_ = index;
    OpenTextEntry(Statement);
}

void Programming::Statement_Change()
{
    const QString line = Statement->caption();
    const int index = pendingStatement_;
    pendingStatement_ = -1;
    if (index < 0) {
        insertAtCaret(line + QLatin1Char('\n'));
        return;
    }
    const QString keyword = QLatin1String(statement(index).inserted);
    if (line.startsWith(keyword)) {
        // The line brings its own keyword: it takes the place of the one inserted.
        QTextCursor c = Program->textCursor();
        c.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, int(keyword.size()));
        if (c.selectedText() == keyword)
            c.removeSelectedText();
        Program->setTextCursor(c);
        insertAtCaret(line + QLatin1Char('\n'));
    } else {
        insertAtCaret(QLatin1Char(' ') + line + QLatin1Char('\n'));
    }
    if (index == Sub || index == Function)
        insertAtCaret(blockTemplate(index));
}

void Programming::InputLabel_Change() { insertAtCaret(InputLabel->caption()); }

void Programming::Functions_Click(int index)
{
    if (index >= 0 && index < kFunctions)
        insertAtCaret(functionCaption(index));
}

void Programming::Combo1_Click(int index)
{
    if (index < 1 || index > kSamples || !mayReplaceProgram())
        return;
    replaceProgram(sampleProgram(index));
}

void Programming::replaceProgram(const QString& text)
{
    settingText_ = true;
    Program->setPlainText(text);
    // The caret starts at the top, so the pane shows the program from its first
    // line and column rather than scrolled to the end of its last line.
    Program->moveCursor(QTextCursor::Start);
    settingText_ = false;
    changed_ = false;
}

bool Programming::mayReplaceProgram()
{
    if (!changed_ || Program->toPlainText().trimmed().isEmpty())
        return true;
    if (msgBox(QStringLiteral("Do you want to save your existing program?"), MsgButtons::YesNo,
               QStringLiteral("New Program or Change?")) != MsgResult::Yes)
        return true;
    return saveProgram();
}

namespace {

// The file the learner picks; empty when the dialog is cancelled. A scripted
// run answers from its queue of replies instead.
QString chooseFile(QWidget* parent, bool save)
{
    QString name;
    if (messageBoxesSilent()) {
        name = takeDialogAnswer().value_or(QString());
    } else {
        QFileDialog d(parent, save ? QStringLiteral("Save Program") : QStringLiteral("Open Program"));
        d.setNameFilters({QStringLiteral("All Files (*)"), QStringLiteral("TLK Text Files (*.TLK)")});
        d.selectNameFilter(QStringLiteral("TLK Text Files (*.TLK)"));
        d.setDefaultSuffix(QStringLiteral("TLK"));
        d.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        d.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (d.exec() != QDialog::Accepted)
            return QString();
        name = d.selectedFiles().value(0);
    }
    if (save && !name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".TLK");
    return name;
}

}  // namespace

QString Programming::quotedForFile(const QString& program)
{
    QString body = program;
    body.replace(QLatin1String("\""), QLatin1String("\"\""));
    body.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return QLatin1Char('"') + body + QStringLiteral("\"\r\n");
}

QString Programming::fromFile(const QString& contents)
{
    QString text = contents;
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'))) {
        text = text.mid(1, text.size() - 2);
        text.replace(QLatin1String("\"\""), QLatin1String("\""));
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

bool Programming::saveProgram()
{
    const QString name = chooseFile(this, true);
    if (name.isEmpty())
        return false;
    QFile f(name);
    const QByteArray bytes = quotedForFile(Program->toPlainText()).toUtf8();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        msgBox(QStringLiteral("The program could not be saved to ") + name + QStringLiteral(".\n") + f.errorString(),
               MsgButtons::Ok, QStringLiteral("Save Program"));
        return false;
    }
    changed_ = false;
    return true;
}

void Programming::openProgram()
{
    if (!mayReplaceProgram())
        return;
    const QString name = chooseFile(this, false);
    if (name.isEmpty())
        return;
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) {
        msgBox(QStringLiteral("The program file ") + name + QStringLiteral(" could not be read.\n") + f.errorString(),
               MsgButtons::Ok, QStringLiteral("Open Program"));
        return;
    }
    replaceProgram(fromFile(QString::fromUtf8(f.readAll())));
}

void Programming::showNotes(bool notes)
{
    Program->setVisible(!notes);
    RunProg->setVisible(!notes);
    if (notes)
        Label1->setGeometry(kMargin, kPanesTop, kWidth, kNotesTop + kNotesHeight - kPanesTop);
    else
        Label1->setGeometry(kMargin, kNotesTop, kWidth, kNotesHeight);
}

void Programming::Toolbar1_ButtonClick(int index)
{
    switch (index) {
    case 0: openProgram(); break;
    case 1: saveProgram(); break;
    case 2: PrintCode(false); break;
    case 3: PrintCode(true); break;
    case 4: Program->cut(); break;
    case 5: Program->copy(); break;
    case 6: Program->paste(); break;
    case 7: showNotes(true); break;
    case 8: showNotes(false); break;
    default: break;
    }
}

int Programming::paintPages(QPainter& p, const QSize& page, const QStringList& lines,
                            const std::function<void()>& newPage)
{
    p.setFont(QFont(QStringLiteral("Arial"), 10));
    const int lineHeight = p.fontMetrics().height();
    const QRect area(QPoint(0, 0), page);
    int y = 0, pages = 1;
    for (const QString& line : lines) {
        // Long lines wrap within the page; a line that does not fit starts a new page.
        const QRect used =
            p.boundingRect(area, Qt::TextWordWrap, line.isEmpty() ? QStringLiteral(" ") : line);
        if (y + used.height() > page.height() && y > 0) {
            newPage();
            ++pages;
            y = 0;
        }
        p.drawText(QRect(0, y, page.width(), used.height()), Qt::TextWordWrap, line);
        y += std::max(used.height(), lineHeight);
    }
    return pages;
}

QStringList Programming::printedLines(bool runPane) const
{
    const QDateTime now = QDateTime::currentDateTime();
    QStringList lines{makersNotice(),
                      QStringLiteral("Date: ") + now.toString(QStringLiteral("dd/MM/yyyy")) +
                          QStringLiteral("    Time: ") + now.toString(QStringLiteral("hh:mm:ss")),
                      QString()};
    lines += (runPane ? RunProg : Program)->toPlainText().split(QLatin1Char('\n'));
    return lines;
}

void Programming::PrintCode(bool runPane)
{
    std::unique_ptr<QPrinter> own;
    QPrinter* printer = pagePrinter(own);
    if (!printer)
        return;
    BusyCursor hourglass;
    QPainter p;
    if (!p.begin(printer))
        return;
    // The text keeps a 15 mm margin inside the printable area, so a printed
    // program reads like a page of a handout and survives a punch or a binder.
    const QRect area = printer->pageLayout().paintRectPixels(printer->resolution());
    const int margin = int(printer->resolution() * 15 / 25.4);
    const QSize text(std::max(1, area.width() - 2 * margin), std::max(1, area.height() - 2 * margin));
    p.translate(margin, margin);
    paintPages(p, text, printedLines(runPane), [printer] { printer->newPage(); });
    p.end();
}

namespace {
RegisterForm<Programming> reg(QStringLiteral("Programming"));
}

}  // namespace orr
