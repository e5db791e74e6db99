// The equation editor's keypad: the keys' captions and tips, and what a key
// press does to the expression text.
#pragma once

#include <QString>

namespace orr::equation {

// Key indexes: 0 to 9 the digits, then the variables, brackets, functions and operators.
enum Key : int {
    kFirstVariable = 10,  // a, b, c, d, x, y
    kOpenBracket = 16,
    kCloseBracket = 17,
    kFirstFunction = 18,  // Abs( ... Tan(
    kPoint = 30,
    kPlus = 31,
    kMinus = 32,
    kTimes = 33,
    kDivide = 34,
    kIntegerDivide = 35,
    kPower = 36,
    kMod = 37,
    kDelete = 38,
    kClear = 39,
    kSpace = 40,
    kExponent = 41,
    kEquals = 42,
    kKeyCount = 43,
};

QString keyCaption(int index);
QString keyTip(int index);

// The expression after the key is pressed: the key's caption appended
// (operators with one blank either side), "<Delete" removing the last
// character, "Clear" emptying it; leading blanks are trimmed.
QString pressKey(const QString& text, int index);

}  // namespace orr::equation
