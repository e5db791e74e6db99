// Unit formatters with SI prefixes. The value is a single; thresholds are
// singles too, so 1E-06 farads is exactly the start of the microfarad band.
#include <initializer_list>

#include "values/formatters.h"

namespace orr {

namespace {

const QString kMicro = QStringLiteral("\u00B5");

struct Test {
    enum Kind { AtLeast, Below, AtMost, BelowAndAtLeast } kind;
    float threshold;
    double factor;
    const char* unit;  // after the micro sign when micro is set
    bool micro = false;
    float lower = 0;  // BelowAndAtLeast only
};

bool passes(const Test& t, float x)
{
    switch (t.kind) {
    case Test::AtLeast: return x >= t.threshold;
    case Test::Below: return x < t.threshold;
    case Test::AtMost: return x <= t.threshold;
    case Test::BelowAndAtLeast: return x < t.threshold && x >= t.lower;
    }
    return false;
}

QString unitText(const Test& t) { return (t.micro ? kMicro : QString()) + QLatin1String(t.unit); }

// The scaled value held as a single, as the variable it is stored in.
float scaled(float x, double factor) { return numtext::toSingle(double(x) * factor); }

enum class Sign { Magnitude, Retained, Unchanged };
enum class Choice { Cascade, Overriding };

QString formatUnit(float value, Sign sign, const QString& startUnit, double startFactor,
                   std::initializer_list<Test> tests, Choice choice, bool wholeOnly = false)
{
    const bool negative = value < 0;
    const float m = (sign == Sign::Unchanged || !negative) ? value : -value;
    float x = scaled(m, startFactor);
    QString unit = startUnit;
    for (const Test& t : tests) {
        if (choice == Choice::Cascade) {
            if (passes(t, x)) {
                x = scaled(x, t.factor);
                unit = unitText(t);
            }
        } else if (passes(t, m)) {
            x = scaled(m, t.factor);
            unit = unitText(t);
        }
    }
    const QString prefix = (sign == Sign::Retained && negative) ? QStringLiteral("-") : QString();
    return prefix + FormatNumber(x, wholeOnly) + unit;
}

// The usual pair of small-value prefixes below a base unit.
QString milliMicro(float value, Sign sign, const char* unit, const char* milli)
{
    return formatUnit(value, sign, QLatin1String(unit), 1,
                      {{Test::Below, 1.0f, 1e3, milli}, {Test::Below, 1e-3f, 1e6, unit, true}},
                      Choice::Overriding);
}

}  // namespace

QString FormatOhms(float value)
{
    return formatUnit(value, Sign::Magnitude, QStringLiteral("R"), 1,
                      {{Test::AtLeast, 1e12f, 1e-12, "T"},
                       {Test::AtLeast, 1e9f, 1e-9, "G"},
                       {Test::AtLeast, 1e6f, 1e-6, "M"},
                       {Test::AtLeast, 1e3f, 1e-3, "k"}},
                      Choice::Cascade);
}

QString FormatVolts(float value)
{
    return formatUnit(value, Sign::Retained, QStringLiteral("V"), 1,
                      {{Test::BelowAndAtLeast, 1.0f, 1e3, "mV", false, 1e-3f},
                       {Test::Below, 1e-3f, 1e6, "V", true},
                       {Test::AtLeast, 1e3f, 1e-3, "kV"}},
                      Choice::Overriding);
}

QString FormatAmps(float value) { return milliMicro(value, Sign::Retained, "A", "mA"); }

QString FormatVoltAmps(float value)
{
    return formatUnit(value, Sign::Retained, QStringLiteral("VA"), 1,
                      {{Test::AtLeast, 1e3f, 1e-3, "kVA"},
                       {Test::AtLeast, 1e6f, 1e-6, "MVA"},
                       {Test::Below, 1.0f, 1e3, "mVA"},
                       {Test::Below, 1e-3f, 1e6, "VA", true}},
                      Choice::Overriding);
}

QString FormatAmpsPerVolt(float value) { return milliMicro(value, Sign::Retained, "A/V", "mA/V"); }
QString FormatAmpHours(float value) { return milliMicro(value, Sign::Retained, "Ah", "mAh"); }

QString FormatWatts(float value)
{
    return formatUnit(value, Sign::Magnitude, QStringLiteral("W"), 1,
                      {{Test::Below, 1.0f, 1e3, "mW"},
                       {Test::Below, 1e-3f, 1e6, "W", true},
                       {Test::AtLeast, 1e3f, 1e-3, "kW"}},
                      Choice::Overriding);
}

QString FormatJoules(float value) { return milliMicro(value, Sign::Magnitude, "J", "mJ"); }
QString FormatWebers(float value) { return milliMicro(value, Sign::Magnitude, "Wb", "mWb"); }
QString FormatHenrys(float value) { return milliMicro(value, Sign::Unchanged, "H", "mH"); }

QString FormatFarads(float value)
{
    // Capacitance always carries a prefix: 1 F is 1000000µF.
    return formatUnit(value, Sign::Unchanged, kMicro + QStringLiteral("F"), 1e6,
                      {{Test::Below, 1e-6f, 1e9, "nF"}, {Test::Below, 1e-9f, 1e12, "pF"}}, Choice::Overriding);
}

QString FormatHertz(float value, bool wholeOnly)
{
    return formatUnit(value, Sign::Magnitude, QStringLiteral("Hz"), 1,
                      {{Test::AtLeast, 1e9f, 1e-9, "GHz"},
                       {Test::AtLeast, 1e6f, 1e-6, "MHz"},
                       {Test::AtLeast, 1e3f, 1e-3, "kHz"}},
                      Choice::Cascade, wholeOnly);
}

QString FormatBytes(float value)
{
    // Powers of ten, not of two: 1024 bytes are 1.02Kbytes.
    return formatUnit(value, Sign::Magnitude, QStringLiteral("bytes"), 1,
                      {{Test::AtLeast, 1e9f, 1e-9, "Gbytes"},
                       {Test::AtLeast, 1e6f, 1e-6, "Mbytes"},
                       {Test::AtLeast, 1e3f, 1e-3, "Kbytes"}},
                      Choice::Cascade);
}

QString FormatSeconds(float value)
{
    // One second exactly is still written in milliseconds.
    return formatUnit(value, Sign::Magnitude, QStringLiteral("s"), 1,
                      {{Test::AtMost, 1.0f, 1e3, "ms"},
                       {Test::Below, 1e-3f, 1e6, "s", true},
                       {Test::AtLeast, 60.0f, 1.0 / 60, "mins"},
                       {Test::AtLeast, 3600.0f, 1.0 / 3600, "hours"}},
                      Choice::Overriding);
}

QString FormatWeight(float value)
{
    return formatUnit(value, Sign::Magnitude, QStringLiteral("g"), 1, {{Test::AtLeast, 1e3f, 1e-3, "kg"}},
                      Choice::Overriding);
}

QString FormatNewtons(float value)
{
    return formatUnit(value, Sign::Magnitude, QStringLiteral("N"), 1, {{Test::AtLeast, 1e3f, 1e-3, "kN"}},
                      Choice::Overriding);
}

QString FormatLength(float value)
{
    if (value < 100.0f)
        return FormatNumber(value) + QStringLiteral("cm");
    if (value < 100000.0f)
        return FormatNumber(scaled(value, 1e-2)) + QStringLiteral("m");
    return FormatNumber(scaled(value, 1e-5)) + QStringLiteral("km");
}

QString FormatVelocity(float value)
{
    if (value < 100.0f)
        return FormatNumber(value) + QStringLiteral("cm/s");
    if (value < 100000.0f)
        return FormatNumber(scaled(value, 1e-2)) + QStringLiteral("m/s");
    return FormatNumber(scaled(value, 1e-5)) + QStringLiteral("km/s");
}

QString FormatArea(float value)
{
    if (value < 10000.0f)
        return FormatNumber(value) + QStringLiteral("cm\u00B2");
    return FormatNumber(scaled(value, 1e-4)) + QStringLiteral("m\u00B2");
}

QString FormatVolume(float value) { return FormatNumber(value) + QStringLiteral("cm\u00B3"); }
QString FormatDensity(float value) { return FormatNumber(value) + QStringLiteral("g/cm\u00B3"); }
QString FormatSpeed(float value) { return FormatNumber(value) + QStringLiteral("mph"); }
QString FormatDistance(float value) { return FormatNumber(value) + QStringLiteral("miles"); }

}  // namespace orr
