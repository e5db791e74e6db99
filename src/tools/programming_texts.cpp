// The workbench's sample programs, button tables and templates.
#include "tools/programming_texts.h"

namespace orr::programming {

namespace {

const StatementButton kStatementButtons[kStatements] = {
    {"INPUT", "INPUT", "Displays a dialog box for user to enter text. ",
     "INPUT user message, variable name or value. There are no quotation marks around the 'user message'.",
     "INPUT Enter your age, Age"},
    {"PRINT", "PRINT", "Displays dialog box to print result of calculation or message to screen.",
     "PRINT variable name or \"Message\" or function. Use join '&&' operator and spaces to format line. eg. PRINT ",
     "PRINT \"Total  =  \" & Total"},
    {"LET", "LET", "Assigns value of an expression to a variable.",
     "LET variable name or message = variable name or value or function", "LET Total = Price * 2"},
    {"DO UNTIL LOOP", "", "Executes program loop until condition met.",
     "DO UNTIL condition ... LOOP repeats the lines between until the condition is true.",
     "DO UNTIL Count > 10 ... LOOP"},
    {"SUB", "SUB", "Declares a block of program as a sub procedure.", "SUB procedure name.", "SUB Heading"},
    {"CALL", "CALL", "Executes a sub procedure.", "CALL procedure name.", "CALL Heading"},
    {"FUNCTION", "FUNCTION", "Declares a block of program that will return a value.", "FUNCTION function name.",
     "FUNCTION Square(n)"},
    {"CONST", "CONST", "Declares a constant value or string.", "CONST name = number or character string",
     "CONST VAT = 0.2"},
    {"ARRAY", "DIM arrayname (   )", "Allocates a number of consecutive memory locations.",
     "DIM MyArray(n)  where n is the number of consecutive memory locations.", "DIM Marks(9)"},
    {"FOR/NEXT", "", "Programmed loop with variable count. ",
     "FOR variable = first TO last ... NEXT repeats the lines between once for each count.",
     "FOR J = 1 TO 10 ... NEXT"},
    {"DIM", "DIM", "Declares variables for use in the program.", "DIM name, name, name, ...", "DIM Price, Tax"},
    {"SELECT CASE", "", "Statement block with conditional exits.",
     "SELECT CASE expression, then CASE value lines, each followed by what to do, and END SELECT.",
     "SELECT CASE Mark ... CASE 10 ... END SELECT"},
    {"REM", "REM", "Program comment Line.", "REM Add program notes.", "REM Adds two numbers"},
    {"GRAPH", "GRAPH", "Charts a data array against its label array.",
     "GRAPH name of Data Array, name of Label Array.", "GRAPH Sales, Months"},
    {"IF THEN", "", "Conditional statement block.",
     "IF condition THEN ... ELSE ... END IF runs the first lines when the condition is true, the others when not.",
     "IF A > B THEN ... ELSE ... END IF"},
    {"LEFT", "LEFT", "Returns a string from left of n characters.", "LEFT(variable name , no characters)",
     "LEFT(Name, 3)"},
    {"RIGHT", "RIGHT", "Returns a string from right of n characters.", "RIGHT(variable name, no characters)",
     "RIGHT(Name, 2)"},
    {"LEN", "LEN", "Returns the length of a character string.", "LEN(variable name)", "LEN(Name)"},
    {"MID", "MID", "Returns a string from middle of n characters.", "MID(variable name, start ,no characters)",
     "MID(Name, 2, 3)"},
};

const char* const kNote =
    "Note: Line formatting and Syntax of Statements.  Upper and Lower Case, spaces, brackets and comma separations "
    "and \" around strings where shown. You can use both Keyboard or Button Click for entry.";

const char* const kFunctionCaptions[kFunctions] = {
    "ABS(  )", "ATN(  )", "COS(  )", "EXP(  )", "1", "INT(  )", "LOG(  )", "RND(  )", "SIN(  )",
    "SQR(  )", "TAN(  )", " .", " +", " -", " *", " /", " =", " ^", " &", " <", " >", "\"",
    "2", "CINT(  )", "DATE", "3", "LCASE(  )", "UCASE(  )", "4", "CSTR(  )", "5", "6", "7", "8", "9", "0"};

const char* const kFunctionTips[kFunctions] = {
    "Returns the absolute value of number.", "Returns the arctangent of value.", "Returns the cosine of the angle.",
    "Returns the exponential of the argument.", "Number 1.", "Returns the integer portion of the argument.",
    "Returns the log of the argument.", "Returns the next random number in a sequence. ",
    "Returns the sine of the argument.", "Returns the square root of a given number.",
    "Returns the tangent of the argument.", "Decimal point.", "Addition operator.", "Subtraction operator.",
    "Multiplication operator.", "Division operator.", "Equals operator.",
    "Used to raise a number to the power of an exponent", "Concatenation. Joins together two string variables.",
    "Less than operator", "Greater than operator.", "Quotation mark.", "Number 2.",
    "Converts expression or value to integer data type.", "Returns the current system date.", "Number 3.",
    "Converts string to all lower case characters.", "Converts string to all upper case characters.", "Number 4.",
    "Converts value or expression to string data type.", "Number 5.", "Number 6.", "Number 7.", "Number 8.",
    "Number 9.", "Number 0."};

const char* const kSampleNames[kSamples] = {
    "Arrays.", "Blank.", "Calculations.", "Calling Functions.", "Character Strings.", "Counting.",
    "Do Until Loops.", "Inequalities.", "Maths Functions.", "Operators.", "Programming.", "Subroutines.",
    "VBScript."};

// One program per name above, as stored with the window.
const char* const kSamplePrograms[kSamples] = {
    "REM Arrays.\n"
    "START\n"
    "DIM Marks(4)\n"
    "FOR J = 0 TO 4\n"
    "LET Marks(J) = (J + 1) * 10\n"
    "NEXT\n"
    "FOR J = 0 TO 4\n"
    "PRINT \"Marks(\" & J & \")   =   \" & Marks(J)\n"
    "NEXT\n"
    "FINISH\n"
    "REM An array keeps five values under one name; each one is reached by its index, 0 to 4.",

    "REM Blank.\n"
    "START\n"
    "\n"
    "FINISH",

    "REM Calculations.\n"
    "START\n"
    "INPUT Length of the room in metres, Length\n"
    "INPUT Width of the room in metres, Width\n"
    "LET Area = Length * Width\n"
    "PRINT \"Floor area   =   \" & Area & \" square metres\"\n"
    "FINISH\n"
    "REM Two measurements are read, multiplied together and the area is shown.",

    "REM Calling Functions.\n"
    "START\n"
    "INPUT Temperature in degrees Celsius, Celsius\n"
    "PRINT Celsius & \" Celsius   =   \" & Fahrenheit(Celsius) & \" Fahrenheit\"\n"
    "FINISH\n"
    "FUNCTION Fahrenheit(C)\n"
    "Fahrenheit = C * 9 / 5 + 32\n"
    "END FUNCTION\n"
    "REM The function takes the temperature as its argument and returns the converted value.",

    "REM Character Strings.\n"
    "START\n"
    "LET Word = \"Orrinvale\"\n"
    "PRINT \"Whole string:   \" & Word\n"
    "PRINT \"Length:   \" & LEN(Word)\n"
    "PRINT \"Left 3:   \" & LEFT(Word, 3)\n"
    "PRINT \"Right 4:   \" & RIGHT(Word, 4)\n"
    "PRINT \"Middle 3 from 4:   \" & MID(Word, 4, 3)\n"
    "PRINT \"Capitals:   \" & UCASE(Word)\n"
    "FINISH\n"
    "REM Each function cuts a group of characters from the string by position.",

    "REM Counting.\n"
    "START\n"
    "CONST MAXCOUNT  = 12\n"
    "FOR  J = 1 TO MAXCOUNT\n"
    "PRINT  \"J   =   \" & J\n"
    "NEXT\n"
    "FINISH\n"
    "REM A single program loop that increments j from 1 to MAXCOUNT times and prints a line indicating the value "
    "of j.",

    "REM Do Until Loops.\n"
    "START\n"
    "LET Total = 0\n"
    "LET Count = 0\n"
    "DO UNTIL Total > 100\n"
    "LET Count = Count + 1\n"
    "LET Total = Total + Count\n"
    "LOOP\n"
    "PRINT \"Adding the whole numbers from 1 passes 100 after \" & Count & \" numbers.\"\n"
    "PRINT \"Total   =   \" & Total\n"
    "FINISH\n"
    "REM The loop goes round until its condition is true; the count is not known beforehand.",

    "REM Inequalities.\n"
    "START\n"
    "INPUT First number, A\n"
    "INPUT Second number, B\n"
    "IF CDBL(A) > CDBL(B) THEN\n"
    "PRINT A & \" is greater than \" & B\n"
    "ELSEIF CDBL(A) < CDBL(B) THEN\n"
    "PRINT A & \" is less than \" & B\n"
    "ELSE\n"
    "PRINT A & \" is equal to \" & B\n"
    "END IF\n"
    "FINISH\n"
    "REM CDBL turns the typed text into a number, so 10 compares as greater than 9.",

    "REM Maths Functions.\n"
    "START\n"
    "CONST PI = 3.141592654\n"
    "PRINT \"Square root of 2   =   \" & SQR(2)\n"
    "PRINT \"Sine of 30 degrees   =   \" & ROUND(SIN(30 * PI / 180), 4)\n"
    "PRINT \"Absolute value of -7   =   \" & ABS(-7)\n"
    "PRINT \"Whole part of 7.8   =   \" & INT(7.8)\n"
    "PRINT \"2 to the power 10   =   \" & 2 ^ 10\n"
    "FINISH\n"
    "REM Angles are given to SIN in radians: degrees times pi divided by 180.",

    "REM Operators.\n"
    "START\n"
    "LET A = 17\n"
    "LET B = 5\n"
    "PRINT \"Sum   =   \" & A + B\n"
    "PRINT \"Difference   =   \" & A - B\n"
    "PRINT \"Product   =   \" & A * B\n"
    "PRINT \"Quotient   =   \" & A / B\n"
    "PRINT \"Whole quotient   =   \" & A \\ B\n"
    "PRINT \"Remainder   =   \" & A MOD B\n"
    "PRINT \"Joined as text   =   \" & A & B\n"
    "FINISH\n"
    "REM Arithmetic is worked out before the & operator joins the results to the text.",

    "REM Programming.\n"
    "START\n"
    "INPUT Enter the first number, A\n"
    "INPUT Enter the second number, B\n"
    "PRINT A + B\n"
    "FINISH\n"
    "REM Two numbers are read from the keyboard, added together and the sum is shown.",

    "REM Subroutines.\n"
    "START\n"
    "CALL Heading\n"
    "PRINT \"Inside the main program.\"\n"
    "CALL Heading\n"
    "FINISH\n"
    "SUB Heading\n"
    "PRINT \"------------------------------\"\n"
    "END SUB\n"
    "REM The sub procedure is written once and called twice.",

    "' VBScript.\n"
    "Sub Main()\n"
    "    Dim Price\n"
    "    Price = InputBox(\"Price of the item in pounds\")\n"
    "    SHOW \"Price   =   \" & FormatNumber(Price, 2)\n"
    "    SHOW \"Tax   =   \" & FormatNumber(Taxes(Price), 2)\n"
    "    SHOW \"Total   =   \" & FormatNumber(CDbl(Price) + Taxes(Price), 2)\n"
    "End Sub\n"
    "\n"
    "Function Taxes(Amount)\n"
    "    Taxes = Amount * 0.2\n"
    "End Function",
};

}  // namespace

const StatementButton& statement(int index) { return kStatementButtons[index]; }

bool opensTextEntry(int index)
{
    return index != DoUntil && index != Array && index != ForNext && index != SelectCase && index != IfThen;
}

QString blockTemplate(int index)
{
    switch (index) {
    case DoUntil: return QStringLiteral("DO  UNTIL \n\nLOOP\n");
    case ForNext: return QStringLiteral("FOR    =   TO\n\nNEXT\n");
    case SelectCase: return QStringLiteral("SELECT CASE\nCASE\n\nEND SELECT\n");
    case IfThen: return QStringLiteral("IF     THEN\n\nELSE \n\nEND IF\n");
    case Sub: return QStringLiteral("' Add your code here ...\nEND SUB\n");
    case Function: return QStringLiteral("' Add your code here ...\nEND FUNCTION\n");
    default: return QString();
    }
}

QString helpText(int index)
{
    const StatementButton& b = kStatementButtons[index];
    QString help = QLatin1String(b.help);
    help.replace(QLatin1String("&&"), QLatin1String("&"));  // a label shows "&&" as one ampersand
    return help + QStringLiteral("\nEXAMPLE : ") + QLatin1String(b.example) + QStringLiteral("\n") +
           QLatin1String(kNote);
}

QString functionCaption(int index) { return QLatin1String(kFunctionCaptions[index]); }
QString functionTip(int index) { return QLatin1String(kFunctionTips[index]); }

QStringList sampleNames()
{
    QStringList names{QStringLiteral("Sample Code.")};
    for (const char* n : kSampleNames)
        names << QLatin1String(n);
    return names;
}

QString sampleProgram(int index)
{
    if (index < 1 || index > kSamples)
        return QString();
    return QLatin1String(kSamplePrograms[index - 1]);
}

}  // namespace orr::programming
