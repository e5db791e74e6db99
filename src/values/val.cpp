// Val and Str: reading the leading number of a text and writing a double as
// the entry box shows it, both with "." as the decimal point.
#include <charconv>
#include <string>

#include "values/formatters.h"
#include "values/value_entry.h"

namespace orr {

double Val(const QString& text)
{
    // Blanks, tabs and line feeds are skipped wherever they occur.
    std::string s;
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            s.push_back(c.unicode() < 128 ? char(c.unicode()) : '\x01');
    size_t i = 0;
    if (s.size() >= 2 && s[0] == '&') {
        const char k = char(std::toupper(static_cast<unsigned char>(s[1])));
        const int base = k == 'H' ? 16 : (k == 'O' ? 8 : 0);
        if (base == 0)
            return 0;
        unsigned long long v = 0;
        std::from_chars(s.data() + 2, s.data() + s.size(), v, base);
        return double(v);
    }
    std::string num;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        if (s[i] == '-')
            num.push_back('-');
        ++i;
    }
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            num.push_back(s[i]);
            digits = true;
        } else if (s[i] == '.' && !point) {
            num.push_back('.');
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    // An exponent counts only with at least one digit: "1E" is 1, "1E+3" 1000.
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) {
            if (s[j] == '-')
                exp.push_back('-');
            ++j;
        }
        const size_t start = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            exp.push_back(s[j++]);
        if (j > start)
            num += exp;
    }
    double v = 0;
    const auto r = std::from_chars(num.data(), num.data() + num.size(), v);
    if (r.ec != std::errc())
        return 0;
    return v;
}

QString Str(double value) { return numtext::general(value); }

}  // namespace orr
