// The BASIC translator of the programming workbench: turns a program written
// with START, FINISH, INPUT, PRINT and LET into VBScript, line for line, so a
// row of the translated program is the same row of the learner's program.
#pragma once

#include <string>

namespace orr::basic {

// The program as VBScript. A text holding "Main()" is VBScript already and
// comes back unchanged; otherwise every line ends with "\r\n".
std::string translate(const std::string& program);

// One trimmed line, through every keyword rule it matches.
std::string translateLine(std::string line);

}  // namespace orr::basic
