// ComputerProgramming: the listing lines, flowchart symbols and boxes of each
// example with their explanations, and the example headings.
#include <QStringList>

#include "topics/programming/computer_programming.h"

namespace orr {

namespace {

const QString kTimes = QString(QChar(0x00D7));

class Items {
public:
    // A listing line at (x, y); its area is as wide as its text.
    Items& code(double x, double y, const QString& text, const char* caption, const char* p1, const char* p2)
    {
        const double w = std::min(std::max(25.0, double(text.size()) * 7.8), 700.0 - x);
        list.push_back({ProgramItem::Code, {QLatin1String(caption), QString::fromUtf8(p1), QString::fromUtf8(p2), x, y, w, 11}, text});
        return *this;
    }
    Items& symbol(ProgramItem::Kind kind, double x, double y, double w, double h, const QString& text,
                  const char* caption, const char* p1, const char* p2)
    {
        list.push_back({kind, {QLatin1String(caption), QString::fromUtf8(p1), QString::fromUtf8(p2), x, y, w, h}, text});
        return *this;
    }
    std::vector<ProgramItem> list;
};

constexpr auto T = ProgramItem::Terminal;
constexpr auto IO = ProgramItem::InputOutput;
constexpr auto P = ProgramItem::Process;
constexpr auto D = ProgramItem::Decision;
constexpr auto BX = ProgramItem::Box;

const char* const kStartP1 = "The terminal symbol marks where the program begins.";
const char* const kStartP2 = "Every flow diagram has one start; the computer takes the first instruction after it.";
const char* const kEndP1 = "The terminal symbol marks where the program ends.";
const char* const kEndP2 = "When the last instruction has been carried out, control returns to the operating system.";
const char* const kRemP1 = "REM (remark) lines are notes for the programmer; the computer ignores them.";
const char* const kRemP2 = "A short remark at the top says what the program is for, which helps anyone who changes it later.";
const char* const kRunP1 = "RUN is the command typed by the user to start the program.";
const char* const kRunP2 = "It is not part of the program: it tells the computer to follow the listing from its first line.";

void structure(Items& it, bool loop)
{
    it.symbol(T, 130, 10, 110, 22, QStringLiteral("Start"), "Start", kStartP1, kStartP2)
        .symbol(IO, 130, 52, 110, 26, QStringLiteral("Input\nFirst No."), "Input symbol",
                "The input/output symbol: the program waits for the first number to be typed.",
                "The number typed is stored in the variable FIRST_NUMBER.")
        .symbol(IO, 130, 98, 110, 26, QStringLiteral("Input\nSecond No."), "Input symbol",
                "The input/output symbol: the program waits for the second number to be typed.",
                "The number typed is stored in the variable SECOND_NUMBER.")
        .symbol(P, 130, 144, 110, 26, QStringLiteral("Add Numbers\nStore Result"), "Process symbol",
                "The process box: a calculation done inside the computer.",
                "The two numbers are added and the sum is stored in RESULT.")
        .symbol(IO, 130, 190, 110, 26, QStringLiteral("Print\nResult"), "Output symbol",
                "The input/output symbol used for output: the result is shown on the screen.",
                "Output is how the program gives its answer to the user.")
        .symbol(T, 130, 240, 110, 22, loop ? QStringLiteral("Loop") : QStringLiteral("End"),
                loop ? "Loop" : "End", loop ? "Instead of ending, the program goes back to the start." : kEndP1,
                loop ? "The loop lets another pair of numbers be added, but there is no way out of it." : kEndP2);
    it.code(300, 40, QStringLiteral("REM To input two values, add and output result."), "REM statement", kRemP1, kRemP2)
        .code(300, 60, QStringLiteral("INPUT FIRST_NUMBER"), "INPUT statement",
              "INPUT waits for the user to type a value and press Enter.",
              "The value is stored in the memory location named FIRST_NUMBER.")
        .code(300, 80, QStringLiteral("INPUT SECOND_NUMBER"), "INPUT statement",
              "The second INPUT reads another value from the keyboard.",
              "It is stored in a separate memory location named SECOND_NUMBER.")
        .code(300, 100, QStringLiteral("LET RESULT = FIRST_NUMBER + SECOND_NUMBER"), "LET statement",
              "LET works out the expression on the right and stores it in the variable on the left.",
              "Here the two numbers are added and the sum goes into RESULT.")
        .code(300, 120, QStringLiteral("PRINT RESULT"), "PRINT statement",
              "PRINT shows the value of RESULT on the screen.", "This is the program's output.");
    if (loop)
        it.code(300, 140, QStringLiteral("GOTO START"), "GOTO statement",
                "GOTO sends the program back to the line labelled START.",
                "The program then asks for two new numbers, for ever.");
    else
        it.code(300, 140, QStringLiteral("END"), "END statement", "END stops the program.",
                "Without a loop the program makes a single pass and finishes.");
    it.code(300, 161, QStringLiteral("RUN"), "RUN command", kRunP1, kRunP2)
        .symbol(BX, 320, 199, 318, 65,
                QString(),  // drawn line by line beside its memory labels
                "Dimensioned variables",
                "Each variable is a named memory location (RAM) in the computer.",
                "Declaring them as numbers tells the computer how to store them and that arithmetic may be done on them.");
}

void constants(Items& it)
{
    it.symbol(T, 130, 10, 110, 22, QStringLiteral("Start"), "Start", kStartP1, kStartP2)
        .symbol(P, 130, 50, 110, 26, QStringLiteral("Program\nConstants."), "Constants",
                "The constants A and B are set once when the program starts.",
                "Their values never change while the program runs.")
        .symbol(IO, 130, 94, 110, 26, QStringLiteral("Input\nC"), "Input symbol",
                "The user types a value for C.", "C is a variable: it may be different every time.")
        .symbol(P, 130, 138, 110, 32, QStringLiteral("Use Formula\nD = (B ") + kTimes + QStringLiteral(" C) / A"),
                "Process symbol", "The formula is worked out with the constants and the input value.",
                "The answer is stored in D.")
        .symbol(IO, 130, 188, 110, 26, QStringLiteral("Print\nD"), "Output symbol", "The result D is shown.",
                "Output gives the user the answer of the calculation.")
        .symbol(T, 130, 232, 110, 22, QStringLiteral("End"), "End", kEndP1, kEndP2);
    it.code(300, 40, QStringLiteral("REM To program a simple formula."), "REM statement", kRemP1, kRemP2)
        .code(300, 60, QStringLiteral("Dim C as number, D as number"), "Dim statement",
              "Dim declares the variables C and D as numbers.", "Memory is set aside for each of them.")
        .code(300, 80, QStringLiteral("Const A As Number = 2"), "Const statement",
              "Const gives A the fixed value 2.", "A constant cannot be changed by the running program.")
        .code(300, 100, QStringLiteral("Const B As Number = 5"), "Const statement",
              "Const gives B the fixed value 5.", "To change it the program code itself must be rewritten.")
        .code(300, 120, QStringLiteral("INPUT \"value for \", C"), "INPUT statement",
              "The message in quotes is shown and the value typed is stored in C.",
              "The prompt tells the user what to type.")
        .code(300, 140, QStringLiteral("D = (B ") + kTimes + QStringLiteral(" C) / A : REM using this formula."),
              "Formula", "B is multiplied by C first, because of the brackets, then divided by A.",
              "The result is assigned to D.")
        .code(300, 160, QStringLiteral("PRINT \"The calculation = \"; D"), "PRINT statement",
              "The text in quotes is printed followed by the value of D.",
              "The semicolon keeps both on the same line.")
        .code(300, 180, QStringLiteral("END"), "END statement", "END stops the program.",
              "Only one calculation is made: a loop would be needed for more.")
        .code(300, 200, QStringLiteral("RUN"), "RUN command", kRunP1, kRunP2)
        .symbol(BX, 300, 235, 300, 30,
                QStringLiteral("Operators used.\nMultiplication ") + kTimes + QStringLiteral(" : Division /"),
                "Operators", "Arithmetic operators tell the computer which calculation to do.",
                "Multiplication and division are worked out before addition and subtraction unless brackets say otherwise.");
}

const char* const kTypeNames[12] = {"Byte", "Boolean", "Integer", "Long (long integer)",
                                    "Single (single-precision floating-point)",
                                    "Double (double-precision floating-point)", "Currency (scaled integer)", "Date",
                                    "String (variable-length)", "String (fixed-length)", "Variant (with numbers)",
                                    "Variant (with characters)"};

void dataTypes(Items& it)
{
    static const char* const p1[12] = {
        "A Byte holds a whole number from 0 to 255 in one byte.",
        "A Boolean holds True or False.",
        "An Integer holds a whole number in two bytes.",
        "A Long holds a larger whole number in four bytes.",
        "A Single holds a number with a fractional part to about seven digits.",
        "A Double holds a number with a fractional part to about fifteen digits.",
        "Currency is a scaled integer with four decimal places.",
        "A Date holds a date and a time of day.",
        "A variable-length String grows and shrinks with its text.",
        "A fixed-length String always holds the same number of characters.",
        "A Variant can hold any kind of value; here a number.",
        "A Variant holding characters behaves as a variable-length String."};
    static const char* const p2[12] = {
        "Useful for small counts and for raw data such as the bytes of a file.",
        "Used for flags and the results of tests.",
        "Fast and compact; good for loop counters.",
        "Used when an Integer is too small.",
        "Very wide range, but subject to small rounding errors.",
        "The usual choice for scientific calculation.",
        "Exact: no rounding errors, so it suits money.",
        "Dates can be compared and subtracted.",
        "Each character takes one memory location.",
        "Longer text is cut short; shorter text is padded.",
        "Convenient, but it takes more memory than a fixed type.",
        "It takes 22 bytes plus the length of the string."};
    for (int r = 0; r < 12; ++r) {
        ClickItem c{QString::fromLatin1(kTypeNames[r]).section(QLatin1Char(' '), 0, 0) + QStringLiteral(" Data Type"),
                    QLatin1String(p1[r]), QLatin1String(p2[r]), 10, 35 + 15.0 * r, 417, 15};
        it.list.push_back({BX, c, QString()});
    }
}

void dataStrings(Items& it)
{
    it.symbol(BX, 20, 40, 620, 50, QString(), "Characters in memory",
              "Each character of the string is stored in its own memory location, one byte each.",
              "Its position in the string is its place in this row of cells.")
        .code(20, 110, QStringLiteral("DataString = \"This is a string of characters ...\""), "Assignment",
              "The text between the quotes is stored in the variable DataString.",
              "The quotes themselves are not stored.")
        .code(20, 150, QStringLiteral("PRINT; DataString"), "PRINT with a semicolon",
              "A semicolon prints the string straight after what was printed before.", "No space is added.")
        .code(20, 190, QStringLiteral("PRINT, DataString"), "PRINT with a comma",
              "A comma moves to the next print zone before printing.", "Zones line up columns of output.")
        .code(20, 230, QStringLiteral("PRINT; Tab(3); DataString"), "PRINT with Tab",
              "Tab(3) moves the print position to column 3 first.", "It indents the text by a set amount.");
}

void workingStrings(Items& it)
{
    it.code(20, 40, QStringLiteral("Dim NamesList AS String, LeftString AS String, MiddleString AS String, RightString AS String"),
            "Dim statement", "Four string variables are declared.", "Each will hold a group of characters.")
        .code(20, 65, QStringLiteral("NamesList = \"James, John, Brian, Katie, Pat, Pam, Carol, Clive, Paul, Ben\""),
              "Data string", "A list of names is stored as one string.", "Commas and spaces are characters too.")
        .code(20, 125, QStringLiteral("LeftString = Left(NamesList, 5)"), "Left function",
              "Left returns the first 5 characters: \"James\".", "It counts from the start of the string.")
        .code(20, 145, QStringLiteral("MiddleString = Mid(NamesList, 28, 3)"), "Mid function",
              "Mid returns 3 characters starting at position 28: \"Pat\".", "It takes characters from inside the string.")
        .code(20, 165, QStringLiteral("RightString = Right(NamesList, 3)"), "Right function",
              "Right returns the last 3 characters: \"Ben\".", "It counts back from the end of the string.")
        .code(20, 185, QStringLiteral("NamesList =  LeftString + MiddleString + RightString"), "Joining strings",
              "The + operator joins the three strings end to end.", "The result has no separators: JamesPatBen.")
        .code(20, 205, QStringLiteral("PRINT; NamesList"), "PRINT statement", "The joined string is printed.",
              "It shows JamesPatBen.")
        .code(20, 245, QStringLiteral("NamesList =  LeftString + \", \" + MiddleString + \", \" + RightString"),
              "Reformatting", "A comma and a space are joined between the names.", "The string now reads James, Pat, Ben.");
}

void branching(Items& it)
{
    it.symbol(T, 130, 10, 110, 22, QStringLiteral("Start"), "Start", kStartP1, kStartP2)
        .symbol(IO, 130, 50, 110, 26, QStringLiteral("Input\norder date"), "Input symbol",
                "The date of the order is read.", "It is the condition to be tested.")
        .symbol(D, 130, 96, 110, 50, QStringLiteral("Check\n< date ?"), "Decision symbol",
                "The diamond asks a question with a yes or no answer.",
                "Yes: the order is old and goes straight to printing. No: it is processed first.")
        .symbol(P, 130, 166, 110, 26, QStringLiteral("Process\nnew order"), "Process symbol",
                "Today's orders are processed.", "This step is skipped for older orders.")
        .symbol(IO, 130, 210, 110, 26, QStringLiteral("Print\nSchedule"), "Output symbol",
                "The delivery schedule is printed.", "Every order reaches this step.")
        .symbol(T, 130, 254, 110, 22, QStringLiteral("End"), "End", kEndP1, kEndP2);
    it.code(300, 40, QStringLiteral("REM   Example showing 'Conditional Branching'."), "REM statement", kRemP1, kRemP2)
        .code(300, 60, QStringLiteral("INPUT  ORDER_DATE  : REM Condition to be tested."), "INPUT statement",
              "The order date is typed in.", "It is stored in ORDER_DATE.")
        .code(300, 80, QStringLiteral("IF ORDER_DATE < TODAYS_DATE THEN GoTo PRINTORDER"), "IF...THEN",
              "If the test is true the program jumps to PRINTORDER.", "If false it goes on with the next line.")
        .code(300, 100, QStringLiteral("[Process new order.]"), "Process new order",
              "The code that handles a new order.", "Only today's orders reach it.")
        .code(300, 120, QStringLiteral("PRINTORDER:   Print delivery schedule."), "Label PRINTORDER",
              "PRINTORDER is a label the GoTo jumps to.", "Both branches meet here.");
}

void selectCase(Items& it)
{
    it.symbol(P, 30, 20, 100, 30, QStringLiteral("Test\nExpression"), "Test expression",
              "The principal divided by 1000 is worked out once.", "Each case is compared with this value.")
        .symbol(D, 30, 70, 100, 40, QStringLiteral("Case\n0 - 9"), "Case 0 To 9",
                "Is the value from 0 to 9?", "Yes leads to statement block 1.")
        .symbol(D, 30, 130, 100, 40, QStringLiteral("10 - 19"), "Case 10 To 19", "Is the value from 10 to 19?",
                "Yes leads to statement block 2.")
        .symbol(D, 30, 190, 100, 40, QStringLiteral(">= 20"), "Case >= 20", "Is the value 20 or more?",
                "Yes leads to statement block 3.")
        .symbol(P, 160, 75, 90, 30, QStringLiteral("Statement\nBlock 1."), "Statement block 1",
                "Interest at 5%.", "Then the Select Case block is left.")
        .symbol(P, 160, 135, 90, 30, QStringLiteral("Statement\nBlock 2."), "Statement block 2",
                "Interest at 10%.", "Then the Select Case block is left.")
        .symbol(P, 160, 195, 90, 30, QStringLiteral("Statement\nBlock 3."), "Statement block 3",
                "Interest at 15%.", "Then the Select Case block is left.")
        .symbol(IO, 50, 250, 100, 26, QStringLiteral("Print Output."), "Output symbol",
                "The principal and interest are printed.", "Every case leads here.");
    it.code(300, 30, QStringLiteral("REM To calculate interest on £000's borrowed."), "REM statement", kRemP1, kRemP2)
        .code(300, 50, QStringLiteral("Select Case    Principal / 1000        :REM Test expression."), "Select Case",
              "Select Case works out the expression once.", "The Case lines below are then tested in order.")
        .code(300, 70, QStringLiteral("Case 0 To 9"), "Case 0 To 9", "True when the value is from 0 to 9.",
              "Its statement follows on the next line.")
        .code(355, 90, QStringLiteral("Interest = Principal ") + kTimes + QStringLiteral(" 0.05     :REM 5%"),
              "Interest at 5%", "The interest is 5% of the principal.", "Runs only in the first case.")
        .code(300, 110, QStringLiteral("Case 10 To 19"), "Case 10 To 19", "True when the value is from 10 to 19.",
              "Values between 9 and 10 match no case.")
        .code(355, 130, QStringLiteral("Interest = Principal ") + kTimes + QStringLiteral(" 0.10     :REM 10%"),
              "Interest at 10%", "The interest is 10% of the principal.", "Runs only in the second case.")
        .code(300, 150, QStringLiteral("Case >= 20"), "Case >= 20", "True when the value is 20 or more.",
              "Values between 19 and 20 match no case.")
        .code(355, 170, QStringLiteral("Interest = Principal ") + kTimes + QStringLiteral(" 0.15     :REM 15%"),
              "Interest at 15%", "The interest is 15% of the principal.", "Runs only in the third case.")
        .code(300, 190, QStringLiteral("End Select"), "End Select", "Marks the end of the block.",
              "After one case has run, the program continues here.")
        .code(300, 210, QStringLiteral("PRINT \"Interest Added to \" + str(Principal) & \" = \" + str(Interest)."),
              "PRINT statement", "The result line is built from text and the two numbers.",
              "str turns a number into text so that it can be joined.");
}

void forNext(Items& it, bool stepTwo)
{
    it.symbol(P, 130, 10, 110, 30, QStringLiteral("Set counter limit\nIncrement value"), "Loop set-up",
              "The counter's first and last values and its step are set.", "Here 0 to 9 in steps of 1 or 2.")
        .symbol(P, 130, 58, 110, 26, QStringLiteral("FOR...Next\nStatement"), "FOR statement",
                "The loop starts with the counter at its first value.", "Each pass runs the statements inside.")
        .symbol(P, 130, 102, 110, 26, QStringLiteral("Program LED\n Segments"), "Program LED segments",
                "The segments of the digit are switched for the count.", "This is the work done on each pass.")
        .symbol(P, 130, 146, 110, 26, QStringLiteral("Increment\nCounter"), "Increment counter",
                "The counter goes up by the step.", "Next Count does this.")
        .symbol(D, 130, 190, 110, 44, QStringLiteral("Upper\nLimit?"), "Decision symbol",
                "Has the counter passed its upper limit?", "NO loops back; YES leaves the loop.")
        .symbol(T, 130, 252, 110, 26, QStringLiteral("Continue\nProgram"), "Continue", "The loop has finished.",
                "The program goes on with the next statement.");
    it.code(300, 40, QStringLiteral("REM To increment an LED display."), "REM statement", kRemP1, kRemP2)
        .code(300, 60,
              QStringLiteral("For Count = 0 To 9  Step ") + (stepTwo ? QStringLiteral("2") : QStringLiteral("1")) +
                  QStringLiteral("   :REM variable 'Count' as counter."),
              "For statement", "Count starts at 0 and the loop ends after 9.",
              "The step is how much Count goes up each time.")
        .code(355, 80, QStringLiteral("[Program code to drive LED switching.]"), "Loop body",
              "The statements repeated on every pass.", "They light the segments for Count.")
        .code(300, 100, QStringLiteral("Next Count   :REM loop back."), "Next statement",
              "Next adds the step to Count and loops back.", "When Count passes 9 the loop ends.")
        .code(300, 120, QStringLiteral("[Continue.]"), "Continue", "The program after the loop.",
              "It runs once the loop has finished.");
}

void doUntil(Items& it)
{
    it.symbol(T, 130, 10, 110, 22, QStringLiteral("Start"), "Start", kStartP1, kStartP2)
        .symbol(P, 130, 50, 110, 26, QStringLiteral("Do\nStatement"), "Do statement",
                "Do marks the top of the loop.", "The program comes back here on every pass.")
        .symbol(P, 130, 94, 110, 26, QStringLiteral("Switch\nLEDs"), "Switch LEDs",
                "The next LED of the ring is lit.", "The others are switched off.")
        .symbol(P, 130, 138, 110, 26, QStringLiteral("Increment\nCounter"), "Increment counter",
                "The position moves on one LED.", "After the last LED it starts again.")
        .symbol(D, 130, 182, 110, 44, QStringLiteral("Is\nStop?"), "Decision symbol",
                "Has STOP been pressed?", "NO loops back to Do; YES ends the loop.")
        .symbol(T, 130, 244, 110, 22, QStringLiteral("Stop"), "Stop", kEndP1, kEndP2);
    it.code(300, 40, QStringLiteral("REM To demonstrate Do...Loop"), "REM statement", kRemP1, kRemP2)
        .code(300, 60, QStringLiteral("Do   :REM start of Do routine."), "Do statement", "The start of the loop.",
              "The loop can run any number of times.")
        .code(355, 80, QStringLiteral("[Program code to drive LED switching"), "Loop body",
              "Statements that light the LEDs in turn.", "They run on every pass.")
        .code(355, 95, QStringLiteral("and increment counter variable.]"), "Loop body",
              "The counter records which LED is lit.", "It is moved on each pass.")
        .code(300, 115, QStringLiteral("Loop Until STOP = TRUE   :REM loop back if Stop = FALSE."), "Loop Until",
              "The condition is tested at the end of each pass.", "While it is false the loop goes round again.")
        .code(300, 135, QStringLiteral("End"), "End statement", "The program ends after the loop.",
              "A new run starts with the LED at its first position.");
}

void procedures(Items& it)
{
    it.code(20, 60, QStringLiteral("Call   AddNo (A, B)"), "Call statement",
            "Call runs the sub procedure AddNo with A and B.", "Control comes back to the next line afterwards.")
        .code(20, 80, QStringLiteral("D = MultNo (A, B)"), "Function call",
              "The function MultNo is called and its value is stored in D.",
              "A function returns a value; a sub does not.")
        .code(20, 100, QStringLiteral("PRINT \"Results.   D = \" + str(D)"), "PRINT statement",
              "The value of D is printed.", "str turns it into text.")
        .code(250, 60, QStringLiteral("Sub AddNo (A, B)"), "Sub statement",
              "The start of the sub procedure AddNo.", "A and B are its arguments.")
        .code(250, 80, QStringLiteral("C = A + B"), "Addition", "The arguments are added and kept in C.",
              "This happens each time AddNo is called.")
        .code(250, 100, QStringLiteral("PRINT \"Results.   C = \" + str(C)"), "PRINT statement",
              "The sub prints its own result.", "Nothing is returned to the caller.")
        .code(250, 120, QStringLiteral("End Sub"), "End Sub", "The end of the sub procedure.",
              "Control returns to the line after the Call.")
        .code(480, 60, QStringLiteral("Function MultNo (A, B)"), "Function statement",
              "The start of the function MultNo.", "It takes A and B as arguments.")
        .code(480, 80, QStringLiteral("MultNo = A ") + kTimes + QStringLiteral(" B"), "Return value",
              "Assigning to the function's name sets the value it returns.", "Here the product of A and B.")
        .code(480, 100, QStringLiteral("End Function"), "End Function", "The end of the function.",
              "The value of MultNo goes back to the caller.");
}

}  // namespace

QString computerProgrammingHeading(int e)
{
    static const char* const kHeadings[10] = {"Programming Structure.", "Constant Values.", "Data Types.",
                                              "Data Strings.", "Working with Character Strings.",
                                              "Conditional Branching.", "Select...Case Statement Block.",
                                              "For...Next Loop.", "Do...Until Loop.", "Procedures."};
    return e >= 0 && e < 10 ? QLatin1String(kHeadings[e]) : QString();
}

std::vector<ProgramItem> computerProgrammingItems(int e, bool toggle, bool stepTwo)
{
    Items it;
    switch (e) {
    case 0: structure(it, toggle); break;
    case 1: constants(it); break;
    case 2: dataTypes(it); break;
    case 3: dataStrings(it); break;
    case 4: workingStrings(it); break;
    case 5: branching(it); break;
    case 6: selectCase(it); break;
    case 7: forNext(it, stepTwo); break;
    case 8: doUntil(it); break;
    case 9: procedures(it); break;
    default: break;
    }
    return it.list;
}

QString dataTypeName(int row) { return QLatin1String(kTypeNames[row]); }

}  // namespace orr
