// The workbench's fixed texts: the sample programs, the statement and
// function buttons with their tool tips and help, and the block templates.
#pragma once

#include <QString>
#include <QStringList>

namespace orr::programming {

constexpr int kStatements = 19;
constexpr int kFunctions = 36;
constexpr int kSamples = 13;

// Statement button indexes with a meaning of their own.
enum Statement {
    Input = 0, Print, Let, DoUntil, Sub, Call, Function, Const, Array, ForNext, Dim, SelectCase, Rem, Graph,
    IfThen, Left, Right, Len, Mid
};

struct StatementButton {
    const char* caption;
    const char* inserted;  // empty for the block templates
    const char* tip;
    const char* help;
    const char* example;
};

const StatementButton& statement(int index);
// Whether the button asks for the rest of its line in the text-entry dialog.
bool opensTextEntry(int index);
// The block a button puts into the program: the lines for DO, FOR, SELECT and
// IF; for SUB and FUNCTION the lines that follow the named line.
QString blockTemplate(int index);
// The notes panel text: help, example and the common note.
QString helpText(int index);

QString functionCaption(int index);
QString functionTip(int index);

// "Sample Code." then the sample names; sampleProgram(i) for name i (1..13).
QStringList sampleNames();
QString sampleProgram(int index);

}  // namespace orr::programming
