// The programming workbench through its real window and script control:
// every sample with scripted input-box answers, error reports, a second run
// of a changed program, Escape stopping an endless loop, and files.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include "../values/qstring_print.h"
#include "platform/dialog_answers.h"
#include "shell/chart_procedure.h"
#include "platform/msgbox.h"
#include "suite_fixture.h"
#include "tools/programming.h"

using namespace orr;

namespace {

Programming* freshWorkbench()
{
    MainWindow* m = test::mainWindow();
    FormRegistry::instance().unload(QStringLiteral("Programming"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m->editor_Click(8);
    return dynamic_cast<Programming*>(FormRegistry::instance().loadedForm(QStringLiteral("Programming")));
}

// Runs the program with the input-box replies; the run pane and the messages shown.
std::pair<QString, QString> run(Programming* w, const QString& program, const QStringList& replies = {})
{
    takeMessages();
    clearDialogAnswers();
    for (const QString& r : replies)
        pushDialogAnswer(r);
    if (w->Program->toPlainText() != program)
        w->Program->setPlainText(program);
    w->RunButton_Click();
    QString shown;
    for (const LoggedMessage& m : takeMessages())
        shown += m.title + QStringLiteral(": ") + m.text;
    return {w->RunProg->toPlainText(), shown};
}

}  // namespace

TEST(Programming, EverySampleRunsCleanly)
{
    Programming* w = freshWorkbench();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), "BASIC Programming.");
    EXPECT_TRUE(w->Program->toPlainText().isEmpty());
    EXPECT_TRUE(w->RunProg->toPlainText().isEmpty());
    ASSERT_EQ(w->Combo1->count(), 14);
    EXPECT_EQ(w->Combo1->itemText(0), "Sample Code.");
    struct Sample {
        const char* name;
        QStringList replies;
        const char* output;  // the start of the run pane
    };
    const Sample samples[] = {
        {"Arrays.", {}, "\nMarks(0)   =   10\nMarks(1)   =   20"},
        {"Blank.", {}, ""},
        {"Calculations.", {"4", "3.5"}, "\nFloor area   =   14 square metres"},
        {"Calling Functions.", {"100"}, "\n100 Celsius   =   212 Fahrenheit"},
        {"Character Strings.", {}, "\nWhole string:   Orrinvale\nLength:   9\nLeft 3:   Orr\nRight 4:   vale\nMiddle 3 from 4:   inv"},
        {"Counting.", {}, "\nJ   =   1\nJ   =   2"},
        {"Do Until Loops.", {}, "\nAdding the whole numbers from 1 passes 100 after 14 numbers.\nTotal   =   105"},
        {"Inequalities.", {"10", "9"}, "\n10 is greater than 9"},
        {"Maths Functions.", {}, "\nSquare root of 2   =   1.4142135623731"},
        {"Operators.", {}, "\nSum   =   22\nDifference   =   12\nProduct   =   85\nQuotient   =   3.4\nWhole quotient   =   3\nRemainder   =   2\nJoined as text   =   175"},
        {"Programming.", {"3", "4"}, "\n7"},
        {"Subroutines.", {}, "\n------------------------------\nInside the main program."},
        {"VBScript.", {"100"}, "\nPrice   =   100.00\nTax   =   20.00\nTotal   =   120.00"},
    };
    for (const Sample& s : samples) {
        const int index = w->Combo1->findText(QLatin1String(s.name));
        ASSERT_GT(index, 0) << s.name;
        w->Combo1_Click(index);
        const QString program = w->Program->toPlainText();
        ASSERT_FALSE(program.isEmpty()) << s.name;
        const auto [output, messages] = run(w, program, s.replies);
        EXPECT_TRUE(messages.isEmpty()) << s.name << ": " << messages.toStdString();
        EXPECT_TRUE(output.startsWith(QLatin1String(s.output))) << s.name << ":\n" << output.toStdString();
    }
    // Counting runs to twelve; the VBScript sample is run as written.
    w->Combo1_Click(w->Combo1->findText(QStringLiteral("Counting.")));
    EXPECT_TRUE(run(w, w->Program->toPlainText()).first.endsWith(QLatin1String("\nJ   =   12")));
    w->Combo1_Click(w->Combo1->findText(QStringLiteral("VBScript.")));
    run(w, w->Program->toPlainText(), {"1"});
    EXPECT_EQ(w->ConvertProg->toPlainText(), w->Program->toPlainText());
}

TEST(Programming, ErrorsAreReportedWithTheirRow)
{
    Programming* w = freshWorkbench();
    struct Case {
        const char* program;
        const char* output;   // kept from before the error
        const char* message;  // everything shown
    };
    const Case cases[] = {
        // BASIC: row only.
        {"START\nPRINT 1\nLET X = 1 / 0\nFINISH", "\n1", "Error in program: Division by zero\nIn Row 3"},
        {"START\nPRINT (1\nFINISH", "", "Error in program: Expected ')'\nIn Row 2"},
        {"START\nNoSuchSub\nFINISH", "", "Error in program: Type mismatch: 'NoSuchSub'\nIn Row 2"},
        // VBScript (holds "()"): row and column.
        {"Sub Main()\n  SHOW 1\n  X = (\nEnd Sub", "", "Error in program: Expected expression\nIn Row 3, column 8"},
        {"Sub Main()\n  SHOW 2\n  X = 1 / 0\nEnd Sub", "\n2", "Error in program: Division by zero\nIn Row 3, column 9"},
        // No Main at all.
        {"REM nothing", "", "Error in program: Sub or Function not defined: 'Main'\nIn Row 0"},
    };
    for (const Case& c : cases) {
        const auto [output, messages] = run(w, QLatin1String(c.program));
        EXPECT_EQ(output, QLatin1String(c.output)) << c.program;
        EXPECT_EQ(messages, QLatin1String(c.message)) << c.program;
        EXPECT_EQ(w->Program->toPlainText(), QLatin1String(c.program));  // the program is never lost
    }
}

TEST(Programming, SecondRunOfAChangedProgramRunsTheNewMain)
{
    Programming* w = freshWorkbench();
    EXPECT_EQ(run(w, QStringLiteral("START\nPRINT 1\nFINISH")).first, "\n1");
    EXPECT_EQ(run(w, QStringLiteral("START\nPRINT 2\nFINISH")), std::make_pair(QStringLiteral("\n2"), QString()));
    EXPECT_EQ(run(w, QStringLiteral("Sub Main()\nSHOW 3 : Output.Show 4 : Output.Clear : SHOW 5\nEnd Sub")).first,
              "\n5");
}

TEST(Programming, EscapeStopsAnEndlessLoop)
{
    Programming* w = freshWorkbench();
    QTimer::singleShot(300, [w] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(w->Program, &press);
    });
    QElapsedTimer clock;
    clock.start();
    const auto [output, messages] = run(w, QStringLiteral("START\nPRINT 1\nDO\nLOOP\nFINISH"));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(output, "\n1");
    EXPECT_TRUE(messages.startsWith(QLatin1String("Error in program: The program was stopped"))) << messages.toStdString();
    EXPECT_FALSE(w->running());
}

TEST(Programming, FilesKeepTheProgramExactly)
{
    Programming* w = freshWorkbench();
    QTemporaryDir dir;
    const QString program = QStringLiteral("START\nPRINT \"He said \"\"hi\"\"\" & 1\nFINISH");
    EXPECT_EQ(Programming::fromFile(Programming::quotedForFile(program)), program);
    w->Program->setPlainText(program);
    clearDialogAnswers();
    pushDialogAnswer(dir.filePath(QStringLiteral("quotes")));
    w->Toolbar1_ButtonClick(1);
    EXPECT_FALSE(w->programChanged());
    w->Program->setPlainText(QStringLiteral("changed"));
    takeMessages();
    // The unsaved change brings the question; its Yes asks for a file, and a
    // cancelled dialog keeps the program in the pane.
    w->Toolbar1_ButtonClick(0);
    const auto asked = takeMessages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "New Program or Change?");
    EXPECT_EQ(asked[0].text, "Do you want to save your existing program?");
    EXPECT_EQ(w->Program->toPlainText(), "changed");
    w->Program->setPlainText(QString());
    pushDialogAnswer(dir.filePath(QStringLiteral("quotes.TLK")));
    w->Toolbar1_ButtonClick(0);
    EXPECT_EQ(w->Program->toPlainText(), program);
    clearDialogAnswers();
    // A file that cannot be read is reported and the pane keeps its program.
    pushDialogAnswer(dir.filePath(QStringLiteral("missing.TLK")));
    w->Toolbar1_ButtonClick(0);
    EXPECT_EQ(takeMessages().size(), 1u);
    EXPECT_EQ(w->Program->toPlainText(), program);
}

TEST(Programming, GraphChartsAnArrayWithItsLabels)
{
    Programming* w = freshWorkbench();
    const auto [output, messages] = run(w, QStringLiteral(
        "START\nDIM S(2), M(2)\nS(0) = 5 : S(1) = 9 : S(2) = 3\nM(0) = \"Jan\" : M(1) = \"Feb\" : M(2) = \"Mar\"\n"
        "GRAPH S, M\nFINISH"));
    EXPECT_TRUE(messages.isEmpty()) << messages.toStdString();
    EXPECT_EQ(currentChart().rows, 3);
    ASSERT_NE(FormRegistry::instance().loadedForm(QStringLiteral("Plotform")), nullptr);
    EXPECT_TRUE(FormRegistry::instance().loadedForm(QStringLiteral("Plotform"))->isShown());
    EXPECT_TRUE(run(w, QStringLiteral("START\nGRAPH 1, 2\nFINISH")).second.startsWith(
        QLatin1String("Error in program: Type mismatch")));
}

TEST(Programming, PrintedPagesHoldTheHeaderAndEveryLine)
{
    Programming* w = freshWorkbench();
    QStringList program;
    for (int i = 1; i <= 120; ++i)
        program << QStringLiteral("PRINT \"Line %1\"").arg(i);
    w->Program->setPlainText(program.join(QLatin1Char('\n')));
    const QStringList lines = w->printedLines(false);
    ASSERT_EQ(lines.size(), 123);
    EXPECT_TRUE(lines[1].startsWith(QLatin1String("Date: ")));
    EXPECT_TRUE(lines[1].contains(QLatin1String("    Time: ")));
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines.last(), "PRINT \"Line 120\"");
    // An A4 page at 96 dots per inch holds about sixty lines: three pages.
    QImage page(QSize(700, 1000), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    int breaks = 0;
    const int pages = Programming::paintPages(p, page.size(), lines, [&] { ++breaks; });
    EXPECT_EQ(pages, breaks + 1);
    EXPECT_GE(breaks, 1);
    p.end();
    if (!qEnvironmentVariableIsEmpty("ORR_PRINT_PREVIEW"))
        page.save(qEnvironmentVariable("ORR_PRINT_PREVIEW"));
}

TEST(Programming, StatementButtonsInsertTheirLines)
{
    struct Case {
        int index;
        const char* typed;     // the line handed back by the text-entry dialog; null: no dialog
        const char* program;   // the programming pane afterwards
    };
    const Case cases[] = {
        {0, "Enter a number, A", "INPUT Enter a number, A\n"},
        {1, "PRINT A", "PRINT A\n"},  // the line brings its own keyword
        {2, "X = 1", "LET X = 1\n"},
        {3, nullptr, "DO  UNTIL \n\nLOOP\n"},
        {4, "Heading", "SUB Heading\n' Add your code here ...\nEND SUB\n"},
        {6, "Twice(n)", "FUNCTION Twice(n)\n' Add your code here ...\nEND FUNCTION\n"},
        {8, nullptr, "DIM arrayname (   )"},
        {9, nullptr, "FOR    =   TO\n\nNEXT\n"},
        {11, nullptr, "SELECT CASE\nCASE\n\nEND SELECT\n"},
        {12, "", "REM"},  // an empty line hands nothing back
        {14, nullptr, "IF     THEN\n\nELSE \n\nEND IF\n"},
    };
    Programming* w = freshWorkbench();
    for (const Case& c : cases) {
        w->Program->clear();
        w->StateMents_Click(c.index);
        Form* entry = FormRegistry::instance().loadedForm(QStringLiteral("InputTextForm"));
        EXPECT_EQ(entry != nullptr, c.typed != nullptr) << c.index;
        if (entry) {
            entry->findChild<QLineEdit*>(QStringLiteral("InputValue"))->setText(QLatin1String(c.typed));
            entry->findChild<QAbstractButton*>(QStringLiteral("OK"))->click();
        }
        EXPECT_EQ(w->Program->toPlainText(), QLatin1String(c.program)) << c.index;
        EXPECT_TRUE(w->Label1->text().contains(QLatin1String("\nEXAMPLE : "))) << c.index;
        EXPECT_TRUE(w->Label1->text().endsWith(QLatin1String("Button Click for entry."))) << c.index;
    }
    // Function buttons insert their caption at the caret, after what is there.
    w->Program->setPlainText(QStringLiteral("PRINT"));
    w->Program->moveCursor(QTextCursor::End);
    w->Functions_Click(9);
    w->Functions_Click(18);
    w->Functions_Click(21);
    EXPECT_EQ(w->Program->toPlainText(), "PRINTSQR(  ) &\"");
}
