// The value-entry protocol seen from a topic window: open the dialog for the
// edited input label, read back what the learner typed.
#pragma once

#include <QString>

namespace orr {

class Label;

// Opens the value-entry dialog "InputForm" for the edited input label of the
// suite state: heading quantityType, frame caption from the serving window's
// SelectButton(index). Modeless: returns while the learner is still typing.
void OpenValueEntry(const QString& quantityType, int index);
// The text of the dialog's InputValue box; "" when the dialog is not loaded.
QString InputValueText();
// Leading number of a text, "." as the decimal point, blanks ignored,
// &H / &O prefixes for hexadecimal and octal, 0 when there is none.
double Val(const QString& text);
// Text of a double as BASIC writes it (up to 15 significant digits,
// "1E-08" for small values): what the dialog puts into InputValue.
QString Str(double value);

// Opens the text-entry dialog "InputTextForm"; on OK a non-empty line is
// written into the caption of statementLabel.
void OpenTextEntry(Label* statementLabel);

}  // namespace orr
