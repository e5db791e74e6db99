// More of the runtime library: date formatting and parts, Filter, RGB, Escape,
// the engine's name and version, GetRef and CreateObject.
#pragma once
#include "script/library.h"

namespace orr::script::more {

Variant fnFormatDateTime(Engine&, Variant* a, int argc);
Variant fnDatePart(Engine&, Variant* a, int argc);
Variant fnFilter(Engine&, Variant* a, int argc);
Variant fnRGB(Engine&, Variant* a, int argc);
Variant fnEscape(Engine&, Variant* a, int argc);
Variant fnUnescape(Engine&, Variant* a, int argc);
Variant fnScriptEngine(Engine&, Variant* a, int argc);
Variant fnScriptEngineMajor(Engine&, Variant* a, int argc);
Variant fnScriptEngineMinor(Engine&, Variant* a, int argc);
Variant fnScriptEngineBuild(Engine&, Variant* a, int argc);
Variant fnGetRef(Engine&, Variant* a, int argc);
Variant fnCreateObject(Engine&, Variant* a, int argc);

} // namespace orr::script::more
