// Text as the language sees it: strings are sequences of UTF-16 code units, held
// in memory as UTF-8 (with unpaired surrogates kept as three-byte sequences, so
// that every sequence of code units survives the round trip).
#pragma once
#include <string>
#include <string_view>

namespace orr::script {

bool isAscii(std::string_view s);
std::u16string toUtf16(std::string_view s);
std::string fromUtf16(std::u16string_view s);
// Number of UTF-16 code units in the text.
size_t unitCount(std::string_view s);
// One code unit as text.
std::string unitText(char16_t c);

// The Windows-1252 code page Asc and Chr use: code 0-255 to a code unit and back
// (-1 when the code unit has no code there).
char16_t fromCodePage(int code);
int toCodePage(char16_t unit);

// Letter case for the Latin letters, the Latin-1 range and Greek and Cyrillic.
char16_t upperUnit(char16_t c);
char16_t lowerUnit(char16_t c);

} // namespace orr::script
