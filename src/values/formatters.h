// Number and unit formatters: the texts in which every value of the suite is
// shown (4.70k, 15mA, £3.50, 00000101). Single-precision values, "." as the
// decimal point whatever the machine's regional settings.
#pragma once

#include <QString>
#include <cstdint>

namespace orr {

// General number text: negatives as "(-4.70)", two decimals, whole numbers
// without decimals, small values with up to three decimals; with wholeOnly
// the shortest text of the value.
QString FormatNumber(float value, bool wholeOnly = false);
// Plain number: whole numbers without decimals, fractions with up to eight
// decimals (two when integerOnly), negatives bracketed as in FormatNumber.
QString FormatDecimal(float value, bool integerOnly);

// Electrical and physical units with SI prefixes.
QString FormatOhms(float value);
QString FormatVolts(float value);
QString FormatAmps(float value);
QString FormatVoltAmps(float value);
QString FormatAmpsPerVolt(float value);
QString FormatAmpHours(float value);
QString FormatWatts(float value);
QString FormatJoules(float value);
QString FormatWebers(float value);
QString FormatHenrys(float value);
QString FormatFarads(float value);
QString FormatHertz(float value, bool wholeOnly = false);
QString FormatBytes(float value);
QString FormatSeconds(float value);
QString FormatWeight(float value);
QString FormatNewtons(float value);

// Centimetre-based and other fixed units.
QString FormatLength(float value);
QString FormatVelocity(float value);
QString FormatArea(float value);
QString FormatVolume(float value);
QString FormatDensity(float value);
QString FormatSpeed(float value);
QString FormatDistance(float value);

// Money, angles, temperatures, exponent form.
QString FormatMoney(float value);
QString FormatAngle(float value);
QString FormatTemperature(float value, bool celsius);
QString FormatScientific(float value);

// Binary, octal and hexadecimal texts.
QString FormatBinary(int32_t value);
QString FormatMixedBinary(const QString& text);
QString FormatOctal(float value);
QString FormatHex(const QString& text);
// Padded to the entry width of the value-entry state (2 or 4 digits) ...
QString FormatHexPadded(const QString& text);
// ... or to an explicit width.
QString FormatHexPadded(const QString& text, int width);

// The building blocks, independent of the locale.
namespace numtext {
// Shortest text that reads back as the same single (at most seven
// significant digits); exponent form such as "1E+08" or "5E-05" outside
// 0.0001 .. 9999999.
QString general(float value);
// Text of a double with up to fifteen significant digits, the same layout.
QString general(double value);
// Pattern "0.00" with the given number of decimals (at least one integer
// digit, rounded half away from zero).
QString fixed(float value, int decimals);
QString fixed(double value, int decimals);
// Pattern "0.0#######": between minDecimals and maxDecimals decimals.
QString fixedTrim(float value, int minDecimals, int maxDecimals);
// Named format "Scientific": 1.23E+03.
QString scientific(float value);
// A double held as a single, out-of-range values held at the largest single.
float toSingle(double value);
// x rounded to the given number of decimals, ties to even, read as a double.
double roundHalfEven(float value, int decimals);
}  // namespace numtext

}  // namespace orr
