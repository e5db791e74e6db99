// Quantity types as the value-entry dialog knows them: multiplier buttons,
// the characters the keyboard lets through, the keypad keys switched on or
// off, and the formatter that writes the value being entered.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace orr {

struct Multiplier {
    QString caption;
    double factor;
};

struct QuantityEntry {
    QString type;
    // The three MultOption buttons; an empty slot is a hidden button.
    std::array<std::optional<Multiplier>, 3> multipliers;
    // Characters the keyboard lets through (backspace and Enter always pass).
    QString keyboard;
    bool capitalHexLetters = false;  // a..f typed become A..F
    bool capitalExponent = false;    // e typed becomes E
    std::vector<int> keysOn;         // keypad indexes switched on when the dialog opens
    std::vector<int> keysOff;        // ... and switched off
    bool allKeysOn = false;
    QString message;  // the hint shown under the frame caption
};

// The entry for a quantity type; nullptr for a type the dialog does not list.
const QuantityEntry* findQuantity(const QString& type);
// Every listed quantity type, in table order.
const std::vector<QuantityEntry>& quantityTable();

// The formatted value of an entry: the formatter of the quantity type applied
// to the current value, or to the typed text where the type is a text
// (hexadecimal, alphanumeric). "" for an unlisted type.
QString formatEntry(const QString& type, double currentValue, const QString& typedText);

// The current value of a typed text for a type: its numeric value, with
// angles held to -360 .. 360 ("Positive Angle." only from above).
double entryValue(const QString& type, const QString& text);

}  // namespace orr
