// Date arithmetic: calendar dates to and from day numbers, parsing date text, the clock.
#include "script/datetime.h"

#include <chrono>
#include <cmath>
#include <cctype>
#include <ctime>
#include <string>
#include <vector>

namespace orr::script {
namespace {

// Days from 1970-01-01 to a proleptic Gregorian date.
long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int& y, int& m, int& d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long yy = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const long long kEpochOffset = daysFromCivil(1899, 12, 30);

const char* const kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                               "jul", "aug", "sep", "oct", "nov", "dec"};

} // namespace

double dateSerial(int year, int month, int day)
{
    if (year >= 0 && year < 30) year += 2000;
    else if (year >= 30 && year < 100) year += 1900;
    long long y = year, m = month - 1;
    y += m >= 0 ? m / 12 : (m - 11) / 12;
    m = ((m % 12) + 12) % 12;
    return static_cast<double>(daysFromCivil(y, static_cast<unsigned>(m + 1), 1) - kEpochOffset + day - 1);
}

double timeSerial(int hour, int minute, int second)
{
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

double combineDate(double days, double timeFraction)
{
    return days < 0 ? days - timeFraction : days + timeFraction;
}

DateParts splitDate(double serial)
{
    double days = std::trunc(serial);
    double frac = std::fabs(serial - days);
    long long secs = std::llround(frac * 86400.0);
    if (secs >= 86400) {
        secs -= 86400;
        days += serial < 0 ? -1 : 1;
    }
    DateParts p{};
    civilFromDays(static_cast<long long>(days) + kEpochOffset, p.year, p.month, p.day);
    p.hour = static_cast<int>(secs / 3600);
    p.minute = static_cast<int>(secs / 60 % 60);
    p.second = static_cast<int>(secs % 60);
    long long wd = (static_cast<long long>(days) + kEpochOffset + 4) % 7;  // 1970-01-01 was a Thursday
    if (wd < 0) wd += 7;
    p.weekday = static_cast<int>(wd) + 1;
    return p;
}

bool parseDate(std::string_view text, double& out)
{
    // Split into numbers, words and separators.
    struct Tok { bool num; int value; std::string word; char sep; };
    std::vector<Tok> toks;
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c)) {
            int v = 0;
            size_t start = i;
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && i - start < 6)
                v = v * 10 + (text[i++] - '0');
            toks.push_back({true, v, {}, 0});
        } else if (std::isalpha(c)) {
            std::string w;
            while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])))
                w += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i++])));
            toks.push_back({false, 0, w, 0});
        } else if (c == '/' || c == '-' || c == ':' || c == ',' || c == '.') {
            toks.push_back({false, 0, {}, static_cast<char>(c)});
            ++i;
        } else if (c == ' ' || c == '\t') {
            ++i;
        } else {
            return false;
        }
    }
    std::vector<int> dateNums, timeNums;
    int month = 0, ampm = 0;
    bool sawTime = false;
    for (size_t k = 0; k < toks.size(); ++k) {
        const Tok& t = toks[k];
        if (t.num) {
            bool timePart = (k + 1 < toks.size() && toks[k + 1].sep == ':') || (k > 0 && toks[k - 1].sep == ':');
            if (timePart) { timeNums.push_back(t.value); sawTime = true; }
            else dateNums.push_back(t.value);
        } else if (!t.word.empty()) {
            if (t.word == "am" || t.word == "a") { ampm = 1; continue; }
            if (t.word == "pm" || t.word == "p") { ampm = 2; continue; }
            bool found = false;
            for (int mth = 0; mth < 12; ++mth)
                if (t.word.size() >= 3 && t.word.compare(0, 3, kMonths[mth]) == 0) { month = mth + 1; found = true; }
            if (!found) return false;
        }
    }
    if (timeNums.size() > 3 || dateNums.size() > 3) return false;
    if (ampm && !sawTime && dateNums.size() == 1 && month == 0) {  // "3 PM"
        timeNums.push_back(dateNums[0]);
        dateNums.clear();
        sawTime = true;
    }
    double day = 0;
    bool haveDate = false;
    if (month) {
        if (dateNums.size() != 2) return false;
        int d = dateNums[0], y = dateNums[1];
        if (d > 31) std::swap(d, y);
        if (d < 1 || d > 31) return false;
        day = dateSerial(y, month, d);
        haveDate = true;
    } else if (dateNums.size() == 3) {
        int a = dateNums[0], b = dateNums[1], c = dateNums[2];
        int y, m, d;
        if (a > 31) { y = a; m = b; d = c; }  // yyyy-mm-dd
        else { m = a; d = b; y = c; if (m > 12 && d <= 12) std::swap(m, d); }
        if (m < 1 || m > 12 || d < 1 || d > 31) return false;
        day = dateSerial(y, m, d);
        haveDate = true;
    } else if (dateNums.size() == 2) {
        int m = dateNums[0], d = dateNums[1];
        if (m < 1 || m > 12 || d < 1 || d > 31) return false;
        std::time_t now = std::time(nullptr);
        std::tm lt{};
        localtime_r(&now, &lt);
        day = dateSerial(lt.tm_year + 1900, m, d);
        haveDate = true;
    } else if (!dateNums.empty()) {
        return false;
    }
    double tfrac = 0;
    if (sawTime) {
        int h = timeNums.size() > 0 ? timeNums[0] : 0;
        int mi = timeNums.size() > 1 ? timeNums[1] : 0;
        int s = timeNums.size() > 2 ? timeNums[2] : 0;
        if (ampm) {
            if (h < 1 || h > 12) return false;
            if (h == 12) h = 0;
            if (ampm == 2) h += 12;
        }
        if (h > 23 || mi > 59 || s > 59) return false;
        tfrac = timeSerial(h, mi, s);
    }
    if (!haveDate && !sawTime) return false;
    out = combineDate(day, tfrac);
    return true;
}

double nowSerial()
{
    std::time_t now = std::time(nullptr);
    std::tm lt{};
    localtime_r(&now, &lt);
    return combineDate(dateSerial(lt.tm_year + 1900, lt.tm_mon + 1, lt.tm_mday),
                       timeSerial(lt.tm_hour, lt.tm_min, lt.tm_sec));
}

} // namespace orr::script
