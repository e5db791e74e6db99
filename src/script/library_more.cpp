// More of the runtime library: date formatting and parts, Filter, RGB, Escape,
// the engine's name and version, GetRef and CreateObject.
#include "script/library_more.h"

#include <cmath>
#include <cstdio>

#include "script/datetime.h"
#include "script/engine.h"
#include "script/objects.h"
#include "script/operators.h"
#include "script/text.h"

namespace orr::script::more {
namespace {

const char* const kMonths[] = {"January", "February", "March", "April", "May", "June", "July",
                               "August", "September", "October", "November", "December"};
const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

int32_t optional(Variant* a, int argc, int i, int32_t def)
{
    return i < argc && !a[i].deref().isEmpty() ? toLong(a[i]) : def;
}

std::string longTime(const DateParts& p)
{
    char buf[32];
    int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h12, p.minute, p.second, p.hour < 12 ? "AM" : "PM");
    return buf;
}

// Week of the year for DatePart("ww"): week 1 holds 1 January, or is the first
// week with four days, or the first full week, as `firstWeek` asks.
int weekOfYear(double day, int firstDay, int firstWeek)
{
    DateParts p = splitDate(day);
    double jan1 = dateSerial(p.year, 1, 1);
    int jan1Weekday = (splitDate(jan1).weekday - firstDay + 7) % 7;  // 0 = first day of the week
    double week1Start = jan1 - jan1Weekday;
    if (firstWeek == 2 && jan1Weekday > 3) week1Start += 7;
    if (firstWeek == 3 && jan1Weekday > 0) week1Start += 7;
    if (day < week1Start) return weekOfYear(jan1 - 1, firstDay, firstWeek);
    return static_cast<int>(std::floor((std::trunc(day) - week1Start) / 7)) + 1;
}

} // namespace

Variant fnFormatDateTime(Engine&, Variant* a, int argc)
{
    if (a[0].deref().isNull()) raise(ErrInvalidNull);
    double d = toDate(a[0]);
    int format = optional(a, argc, 1, 0);
    DateParts p = splitDate(d);
    char buf[64];
    switch (format) {
    case 0: return Variant::str(formatDate(d));
    case 1:
        std::snprintf(buf, sizeof buf, "%s, %s %d, %d", kDays[p.weekday - 1], kMonths[p.month - 1], p.day, p.year);
        return Variant::str(buf);
    case 2:
        std::snprintf(buf, sizeof buf, "%d/%d/%d", p.month, p.day, p.year);
        return Variant::str(buf);
    case 3: return Variant::str(longTime(p));
    case 4:
        std::snprintf(buf, sizeof buf, "%02d:%02d", p.hour, p.minute);
        return Variant::str(buf);
    default: raise(ErrInvalidCall);
    }
}

Variant fnDatePart(Engine&, Variant* a, int argc)
{
    std::string iv = toLower(toString(a[0]));
    if (a[1].deref().isNull()) return Variant::null();
    double d = toDate(a[1]);
    int firstDay = optional(a, argc, 2, 1);
    int firstWeek = optional(a, argc, 3, 1);
    if (firstDay == 0) firstDay = 1;
    if (firstWeek == 0) firstWeek = 1;
    if (firstDay < 1 || firstDay > 7 || firstWeek < 1 || firstWeek > 3) raise(ErrInvalidCall);
    DateParts p = splitDate(d);
    int r;
    if (iv == "yyyy") r = p.year;
    else if (iv == "q") r = (p.month - 1) / 3 + 1;
    else if (iv == "m") r = p.month;
    else if (iv == "y") r = static_cast<int>(std::trunc(d) - dateSerial(p.year, 1, 1)) + 1;
    else if (iv == "d") r = p.day;
    else if (iv == "w") r = (p.weekday - firstDay + 7) % 7 + 1;
    else if (iv == "ww") r = weekOfYear(std::trunc(d), firstDay, firstWeek);
    else if (iv == "h") r = p.hour;
    else if (iv == "n") r = p.minute;
    else if (iv == "s") r = p.second;
    else raise(ErrInvalidCall);
    return Variant::integer(r);
}

Variant fnFilter(Engine&, Variant* a, int argc)
{
    const Variant& list = a[0].deref();
    if (list.isNull()) raise(ErrInvalidNull);
    if (!list.isArray()) raise(ErrTypeMismatch);
    const ArrObj& arr = *list.rawArray();
    if (arr.ubounds.size() != 1) raise(ErrSubscript);
    if (a[1].deref().isNull()) raise(ErrInvalidNull);
    std::string match = toString(a[1]);
    bool include = argc < 3 || a[2].deref().isEmpty() || toBool(a[2]);
    bool text = optional(a, argc, 3, 0) == 1;
    std::vector<Variant> kept;
    for (const Variant& v : arr.data) {
        std::string s = toString(v);
        bool found = text ? toLower(s).find(toLower(match)) != std::string::npos : s.find(match) != std::string::npos;
        if (found == include) kept.push_back(Variant::str(s));
    }
    auto* out = new ArrObj(std::vector<int32_t>{static_cast<int32_t>(kept.size()) - 1});
    for (size_t i = 0; i < kept.size(); ++i) out->data[i] = std::move(kept[i]);
    return Variant::array(out);
}

Variant fnRGB(Engine&, Variant* a, int)
{
    int32_t c[3];
    for (int i = 0; i < 3; ++i) {
        c[i] = toLong(a[i]);
        if (c[i] < 0) raise(ErrInvalidCall);
        if (c[i] > 255) c[i] = 255;
    }
    return Variant::lng(c[0] + c[1] * 256 + c[2] * 65536);
}

// Escape leaves letters, digits and @*_+-./ alone and writes other characters
// as %XX, or %uXXXX above 255.
Variant fnEscape(Engine&, Variant* a, int)
{
    if (a[0].deref().isNull()) return Variant::null();
    std::u16string u = toUtf16(toString(a[0]));
    std::string out;
    char buf[8];
    for (char16_t c : u) {
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                     (c < 128 && std::string_view("@*_+-./").find(static_cast<char>(c)) != std::string_view::npos);
        if (plain) out += static_cast<char>(c);
        else if (c < 256) {
            std::snprintf(buf, sizeof buf, "%%%02X", static_cast<unsigned>(c));
            out += buf;
        } else {
            std::snprintf(buf, sizeof buf, "%%u%04X", static_cast<unsigned>(c));
            out += buf;
        }
    }
    return Variant::str(out);
}

Variant fnUnescape(Engine&, Variant* a, int)
{
    if (a[0].deref().isNull()) return Variant::null();
    std::u16string u = toUtf16(toString(a[0])), out;
    auto hex = [&](size_t from, size_t n, unsigned& v) {
        if (from + n > u.size()) return false;
        v = 0;
        for (size_t k = from; k < from + n; ++k) {
            char16_t c = u[k];
            int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0) return false;
            v = v * 16 + static_cast<unsigned>(d);
        }
        return true;
    };
    for (size_t i = 0; i < u.size(); ++i) {
        unsigned v;
        if (u[i] == '%' && i + 1 < u.size() && u[i + 1] == 'u' && hex(i + 2, 4, v)) {
            out += static_cast<char16_t>(v);
            i += 5;
        } else if (u[i] == '%' && hex(i + 1, 2, v)) {
            out += static_cast<char16_t>(v);
            i += 2;
        } else {
            out += u[i];
        }
    }
    return Variant::str(fromUtf16(out));
}

Variant fnScriptEngine(Engine&, Variant*, int) { return Variant::str("VBScript"); }
Variant fnScriptEngineMajor(Engine&, Variant*, int) { return Variant::lng(5); }
Variant fnScriptEngineMinor(Engine&, Variant*, int) { return Variant::lng(8); }
Variant fnScriptEngineBuild(Engine&, Variant*, int) { return Variant::lng(16384); }

Variant fnGetRef(Engine& e, Variant* a, int)
{
    std::shared_ptr<Proc> p = e.findProcedure(toString(a[0]));
    if (!p) raise(ErrInvalidCall);
    return Variant::object(procedureReference(e, std::move(p)));
}

Variant fnCreateObject(Engine&, Variant* a, int)
{
    std::string name = toString(a[0]);
    std::shared_ptr<HostObject> o = createObject(name);
    if (!o) raise(ErrCannotCreate, name);
    return Variant::object(std::move(o));
}

} // namespace orr::script::more
