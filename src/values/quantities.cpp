// The per-quantity table of the value-entry dialog and its formatter choice.
#include "values/quantities.h"

#include <algorithm>

#include "values/formatters.h"
#include "values/limit_value.h"
#include "values/value_entry.h"

namespace orr {

namespace {

const QString kDigits = QStringLiteral("0123456789");
const QString kMicro = QStringLiteral("\u00B5");
const QString kTimes = QStringLiteral(" \u00D7 ");
constexpr int kMinus = 17, kPoint = 16, kE = 14;

using Mults = std::array<std::optional<Multiplier>, 3>;

Mults units(const QString& a, const QString& b, const QString& c, double fb, double fc)
{
    return {Multiplier{a, 1}, Multiplier{b, fb}, Multiplier{c, fc}};
}

// "Decimal No. × 1", "Decimal No. × 10", "Decimal No. × 100".
Mults times(const QString& name, const char* a = "1", const char* b = "10", const char* c = "100", double fb = 10,
            double fc = 100)
{
    return {Multiplier{name + kTimes + QLatin1String(a), 1}, Multiplier{name + kTimes + QLatin1String(b), fb},
            Multiplier{name + kTimes + QLatin1String(c), fc}};
}

const Mults kHidden{};

std::vector<QuantityEntry> buildTable()
{
    const QString num = kDigits + QLatin1Char('.');
    const QString signedNum = num + QLatin1Char('-');
    const QString hexDigits = kDigits + QStringLiteral("abcdefABCDEF");
    const std::vector<int> noMinus{kMinus};
    std::vector<QuantityEntry> t;
    auto add = [&t](QuantityEntry e) { t.push_back(std::move(e)); };

    const Mults volts = units("Volts", "mVolts", kMicro + "Volts", 1e-3, 1e-6);
    add({"Resistance.", units("Ohms", "kOhms", "Mohms", 1e3, 1e6), num, false, false, {}, noMinus});
    add({"Voltage.", volts, signedNum});
    add({"Positive Voltage.", volts, num, false, false, {}, noMinus});
    add({"Current.", units("Amps", "mA", kMicro + "A", 1e-3, 1e-6), num});
    add({"Amps/Volt.", units("Amps/Volt", "mA/Volt", kMicro + "A/Volt", 1e-3, 1e-6), signedNum});
    add({"Amp Hours.", units("Ah", "mAh", kMicro + "Ah", 1e-3, 1e-6), signedNum});
    add({"Capacitance.", units(kMicro + "F", "nF", "pF", 1e-3, 1e-6), num, false, false, {}, noMinus});
    add({"Inductance.", units("H", "mH", kMicro + "H", 1e-3, 1e-6), num, false, false, {}, noMinus});
    add({"Frequency.", units("Hz", "kHz", "MHz", 1e3, 1e6), num, false, false, {}, noMinus});
    add({"Power.", units("Watt", "mWatt", kMicro + "Watt", 1e-3, 1e-6), num, false, false, {}, noMinus});
    add({"Time.", units("sec", "msec", kMicro + "sec", 1e-3, 1e-6), num, false, false, {}, noMinus, false,
         QStringLiteral("1 minute = 60 seconds\n1 hour = 3600 seconds.")});
    add({"Flux.", units("Wb", "mWb", kMicro + "Wb", 1e-3, 1e-6), num, false, false, {}, noMinus});
    add({"Joules.", times("Decimal No.", "1", ".1", ".01", 0.1, 0.01), num, false, false, {}, noMinus});
    add({"Voltampere.", units("VA", "kVA", "MVA", 1e3, 1e6), num, false, false, {}, noMinus});
    add({"Weight.", {Multiplier{"grams", 1}, Multiplier{"kgrams", 1e3}, std::nullopt}, num, false, false, {},
         noMinus});
    add({"Velocity.", {Multiplier{"cm/s", 1}, Multiplier{"m/s", 1e2}, std::nullopt}, num, false, false, {},
         noMinus});
    add({"Density.", kHidden, signedNum, false, false, {}, noMinus});
    add({"Speed.", kHidden, num, false, false, {}, noMinus});
    add({"Distance.", kHidden, num, false, false, {}, noMinus});
    add({"Decimal No.", times("Decimal No."), signedNum});
    for (const char* type : {"Positive Decimal No.", "Newton.", "Area.", "Length.", "Volume.", "Cubed."})
        add({type, times("Positive Decimal No."), num, false, false, {}, noMinus});
    add({"Integer No.", times("Integer No."), kDigits + QLatin1Char('-'), false, false, {}, {kPoint}});
    add({"Positive Integer No.", times("Positive Integer No."), kDigits, false, false, {}, {kPoint, kMinus}});
    add({"Bytes.", times("Bytes."), kDigits, false, false, {}, {kPoint, kMinus}});
    add({"Money.", times("Currency"), num, false, false, {}, noMinus});
    for (const char* type : {"Temperature C.", "Temperature F.", "Angle."})
        add({type, kHidden, signedNum});
    add({"Positive Angle.", kHidden, num, false, false, {}, noMinus});
    add({"Exponent No.", kHidden, kDigits + QStringLiteral("Ee.-+"), false, true, {kE}});
    add({"Binary No.", kHidden, QStringLiteral("01"), false, false, {}, {2, 3, 4, 5, 6, 7, 8, 9, kPoint, kMinus}});
    add({"Mixed Binary No.", kHidden, QStringLiteral("01."), false, false, {}, {2, 3, 4, 5, 6, 7, 8, 9, kMinus}});
    add({"Octal.", kHidden, QStringLiteral("01234567."), false, false, {}, {8, 9, kMinus}});
    add({"Hexadecimal.", kHidden, hexDigits + QLatin1Char('.'), true, false, {10, 11, 12, 13, 14, 15}, noMinus});
    add({"HEX.", kHidden, hexDigits, true, false, {10, 11, 12, 13, 14, 15}, {kPoint, kMinus}});
    add({"Alpha Numeric.", kHidden, signedNum, false, false, {}, {}, true});
    return t;
}

}  // namespace

const std::vector<QuantityEntry>& quantityTable()
{
    static const std::vector<QuantityEntry> table = buildTable();
    return table;
}

const QuantityEntry* findQuantity(const QString& type)
{
    const auto& t = quantityTable();
    auto it = std::find_if(t.begin(), t.end(), [&](const QuantityEntry& e) { return e.type == type; });
    return it == t.end() ? nullptr : &*it;
}

double entryValue(const QString& type, const QString& text)
{
    double v = Val(text);
    if (type == QLatin1String("Angle."))
        v = std::clamp(v, -360.0, 360.0);
    else if (type == QLatin1String("Positive Angle.") && v > 360)
        v = 360;
    return v;
}

QString formatEntry(const QString& type, double value, const QString& typed)
{
    const float v = numtext::toSingle(value);
    auto is = [&type](const char* t) { return type == QLatin1String(t); };
    if (is("Resistance.")) return FormatOhms(v);
    if (is("Voltage.") || is("Positive Voltage.")) return FormatVolts(v);
    if (is("Current.")) return FormatAmps(v);
    if (is("Amps/Volt.")) return FormatAmpsPerVolt(v);
    if (is("Amp Hours.")) return FormatAmpHours(v);
    if (is("Capacitance.")) return FormatFarads(numtext::toSingle(value * 1e-6));  // typed in microfarads
    if (is("Inductance.")) return FormatHenrys(v);
    if (is("Frequency.")) return FormatHertz(v, false);
    if (is("Power.")) return FormatWatts(v);
    if (is("Time.")) return FormatSeconds(v);
    if (is("Flux.")) return FormatWebers(v);
    if (is("Joules.")) return FormatJoules(v);
    if (is("Voltampere.")) return FormatVoltAmps(v);
    if (is("Weight.")) return FormatWeight(v);
    if (is("Velocity.")) return FormatVelocity(v);
    if (is("Density.")) return FormatDensity(v);
    if (is("Speed.")) return FormatSpeed(v);
    if (is("Distance.")) return FormatDistance(v);
    if (is("Decimal No.") || is("Positive Decimal No.")) return FormatDecimal(v, false);
    if (is("Integer No.") || is("Positive Integer No.")) return FormatDecimal(v, true);
    if (is("Newton.")) return FormatNewtons(v);
    if (is("Area.")) return FormatArea(v);
    if (is("Length.")) return FormatLength(v);
    if (is("Volume.") || is("Cubed.")) return FormatVolume(v);
    if (is("Bytes.")) return FormatBytes(v);
    if (is("Money.")) return FormatMoney(v);
    if (is("Temperature C.")) return FormatTemperature(v, true);
    if (is("Temperature F.")) return FormatTemperature(v, false);
    if (is("Angle.") || is("Positive Angle.")) return FormatAngle(v);
    if (is("Exponent No.")) return FormatScientific(numtext::toSingle(Val(typed)));
    if (is("Binary No.")) return FormatBinary(limit_detail::convert<int32_t>(value));
    if (is("Mixed Binary No.")) return FormatMixedBinary(Str(value));
    if (is("Octal.")) return FormatOctal(v);
    if (is("Hexadecimal.")) return FormatHex(typed);
    if (is("HEX.")) return FormatHexPadded(typed);
    if (is("Alpha Numeric.")) return typed;
    return QString();
}

}  // namespace orr
