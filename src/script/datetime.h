// Dates as the language keeps them: days since 30 December 1899, time as the fraction of a day.
#pragma once
#include <string_view>

namespace orr::script {

struct DateParts {
    int year, month, day, hour, minute, second;
    int weekday;  // 1 = Sunday
};

// Day number of a calendar date; months and days outside their range roll over.
double dateSerial(int year, int month, int day);
double timeSerial(int hour, int minute, int second);
DateParts splitDate(double serial);
// Joins a day number and a time fraction as the serial encoding does for days before 1899-12-30.
double combineDate(double days, double timeFraction);
// Reads "m/d/yyyy", "yyyy-mm-dd", "d Month yyyy", "h:mm[:ss] [AM|PM]" and a date followed by a time.
bool parseDate(std::string_view text, double& out);
double nowSerial();

} // namespace orr::script
