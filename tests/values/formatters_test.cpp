// The number and unit formatters against the texts learners see.
#include <gtest/gtest.h>

#include <functional>

#include "qstring_print.h"
#include "state/suite_state.h"
#include "values/formatters.h"

using namespace orr;

namespace {

const QString mu = QStringLiteral("\u00B5");
const QString deg = QStringLiteral("\u00B0");

struct Case {
    const char* what;
    std::function<QString()> format;
    QString expected;
};

void checkAll(const std::vector<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(c.format(), c.expected) << c.what;
}

}  // namespace

TEST(FormatNumber, GeneralRule)
{
    checkAll({
        {"4.7", [] { return FormatNumber(4.7f); }, "4.70"},
        {"470", [] { return FormatNumber(470); }, "470"},
        {"1234.5", [] { return FormatNumber(1234.5f); }, "1234.50"},
        {"-4.7 bracketed", [] { return FormatNumber(-4.7f); }, "(-4.70)"},
        {"0", [] { return FormatNumber(0); }, "0"},
        {"0.05", [] { return FormatNumber(0.05f); }, "0.05"},
        {"0.0567 to three decimals", [] { return FormatNumber(0.0567f); }, "0.057"},
        {"0.004", [] { return FormatNumber(0.004f); }, "0.004"},
        {"2.999 rounds to whole", [] { return FormatNumber(2.999f); }, "3"},
        {"12", [] { return FormatNumber(12); }, "12"},
        {"one million", [] { return FormatNumber(1000000); }, "1000000"},
        {"tie rounds away from zero", [] { return FormatNumber(2.345f); }, "2.35"},
        {"0.0995 becomes 0.10", [] { return FormatNumber(0.0996f); }, "0.10"},
        {"three-decimal tie to even", [] { return FormatNumber(0.0125f); }, "0.012"},
        {"very small keeps digits", [] { return FormatNumber(0.00004f); }, "4E-05"},
        {"0.0001 stays plain", [] { return FormatNumber(0.0001f); }, "0.0001"},
        {"wholeOnly is the shortest text", [] { return FormatNumber(4.7f, true); }, "4.7"},
        {"wholeOnly large", [] { return FormatNumber(123456789.0f, true); }, "1.234568E+08"},
        {"wholeOnly negative", [] { return FormatNumber(-0.25f, true); }, "(-0.25)"},
    });
}

TEST(FormatDecimal, WholeAndFractions)
{
    checkAll({
        {"whole", [] { return FormatDecimal(12, false); }, "12"},
        {"12.5", [] { return FormatDecimal(12.5f, false); }, "12.5"},
        {"0.125", [] { return FormatDecimal(0.125f, false); }, "0.125"},
        {"eight decimals at most", [] { return FormatDecimal(0.123456789f, false); }, "0.1234568"},
        {"integerOnly gives two decimals", [] { return FormatDecimal(12.5f, true); }, "12.50"},
        {"negative", [] { return FormatDecimal(-12.5f, false); }, "(-12.5)"},
        {"negative whole", [] { return FormatDecimal(-3, true); }, "(-3)"},
    });
}

TEST(UnitFormatters, PrefixesAndSigns)
{
    checkAll({
        {"ohms kilo", [] { return FormatOhms(4700); }, "4.70k"},
        {"ohms plain", [] { return FormatOhms(470); }, "470R"},
        {"ohms mega", [] { return FormatOhms(1000000); }, "1M"},
        {"ohms magnitude", [] { return FormatOhms(-100); }, "100R"},
        {"ohms giga", [] { return FormatOhms(2.2e9f); }, "2.20G"},
        {"ohms cascade past tera", [] { return FormatOhms(1e15f); }, "1k"},
        {"volts milli", [] { return FormatVolts(0.0047f); }, "4.70mV"},
        {"volts negative", [] { return FormatVolts(-5); }, "-5V"},
        {"volts negative milli", [] { return FormatVolts(-0.0047f); }, "-4.70mV"},
        {"volts zero", [] { return FormatVolts(0); }, "0" + mu + "V"},
        {"volts kilo", [] { return FormatVolts(1500); }, "1.50kV"},
        {"volts one", [] { return FormatVolts(1); }, "1V"},
        {"amps no kilo", [] { return FormatAmps(2000); }, "2000A"},
        {"amps one is strict", [] { return FormatAmps(1); }, "1A"},
        {"amps milli", [] { return FormatAmps(0.015f); }, "15mA"},
        {"amps micro", [] { return FormatAmps(0.0000025f); }, "2.50" + mu + "A"},
        {"voltamps kilo", [] { return FormatVoltAmps(2500); }, "2.50kVA"},
        {"voltamps mega", [] { return FormatVoltAmps(3e6f); }, "3MVA"},
        {"voltamps milli", [] { return FormatVoltAmps(0.5f); }, "500mVA"},
        {"amps per volt", [] { return FormatAmpsPerVolt(0.002f); }, "2mA/V"},
        {"amp hours micro", [] { return FormatAmpHours(0.000005f); }, "5" + mu + "Ah"},
        {"amp hours negative", [] { return FormatAmpHours(-2); }, "-2Ah"},
        {"watts kilo", [] { return FormatWatts(1500); }, "1.50kW"},
        {"watts magnitude", [] { return FormatWatts(-0.25f); }, "250mW"},
        {"joules", [] { return FormatJoules(0.0005f); }, "500" + mu + "J"},
        {"webers", [] { return FormatWebers(0.02f); }, "20mWb"},
        {"henrys milli", [] { return FormatHenrys(0.01f); }, "10mH"},
        {"henrys negative unchanged", [] { return FormatHenrys(-2); }, "(-2000000)" + mu + "H"},
        {"farads micro", [] { return FormatFarads(0.000001f); }, "1" + mu + "F"},
        {"farads nano", [] { return FormatFarads(4.7e-9f); }, "4.70nF"},
        {"farads pico", [] { return FormatFarads(1e-11f); }, "10pF"},
        {"one farad", [] { return FormatFarads(1); }, "1000000" + mu + "F"},
        {"hertz kilo", [] { return FormatHertz(1500, false); }, "1.50kHz"},
        {"hertz giga", [] { return FormatHertz(2.4e9f, false); }, "2.40GHz"},
        {"hertz wholeOnly", [] { return FormatHertz(1234, true); }, "1.234kHz"},
        {"seconds one is milli", [] { return FormatSeconds(1); }, "1000ms"},
        {"seconds minutes", [] { return FormatSeconds(90); }, "1.50mins"},
        {"seconds hours", [] { return FormatSeconds(7200); }, "2hours"},
        {"seconds half", [] { return FormatSeconds(0.5f); }, "500ms"},
        {"seconds micro", [] { return FormatSeconds(0.00002f); }, "20" + mu + "s"},
        {"seconds plain", [] { return FormatSeconds(30); }, "30s"},
        {"bytes kilo of ten", [] { return FormatBytes(1024); }, "1.02Kbytes"},
        {"bytes mega", [] { return FormatBytes(1500000); }, "1.50Mbytes"},
        {"bytes plain", [] { return FormatBytes(512); }, "512bytes"},
        {"weight", [] { return FormatWeight(2500); }, "2.50kg"},
        {"newtons", [] { return FormatNewtons(500); }, "500N"},
    });
}

TEST(CentimetreFormatters, Bands)
{
    checkAll({
        {"length metres", [] { return FormatLength(250); }, "2.50m"},
        {"length cm", [] { return FormatLength(50); }, "50cm"},
        {"length km", [] { return FormatLength(250000); }, "2.50km"},
        {"negative length", [] { return FormatLength(-5); }, "(-5)cm"},
        {"area m2", [] { return FormatArea(20000); }, "2m\u00B2"},
        {"area cm2", [] { return FormatArea(20); }, "20cm\u00B2"},
        {"velocity", [] { return FormatVelocity(50); }, "50cm/s"},
        {"velocity m/s", [] { return FormatVelocity(150); }, "1.50m/s"},
        {"volume", [] { return FormatVolume(125000); }, "125000cm\u00B3"},
        {"density", [] { return FormatDensity(2.7f); }, "2.70g/cm\u00B3"},
        {"speed", [] { return FormatSpeed(70); }, "70mph"},
        {"distance", [] { return FormatDistance(26.2f); }, "26.20miles"},
    });
}

TEST(OtherFormatters, MoneyAngleTemperatureScientific)
{
    checkAll({
        {"money zero is empty", [] { return FormatMoney(0); }, ""},
        {"money whole", [] { return FormatMoney(12); }, "\u00A312.00"},
        {"money 3.5", [] { return FormatMoney(3.5f); }, "\u00A33.50"},
        {"money negative", [] { return FormatMoney(-3.5f); }, "\u00A3-3.50"},
        {"money below one", [] { return FormatMoney(0.5f); }, "\u00A30.50"},
        {"angle whole", [] { return FormatAngle(45); }, "45" + deg},
        {"angle fraction", [] { return FormatAngle(22.5f); }, "22.50" + deg},
        {"angle negative", [] { return FormatAngle(-45); }, "-45" + deg},
        {"angle negative fraction", [] { return FormatAngle(-45.5f); }, "-45.50" + deg},
        {"celsius negative", [] { return FormatTemperature(-12.5f, true); }, "(-12.50)" + deg + "C"},
        {"fahrenheit", [] { return FormatTemperature(20, false); }, "20" + deg + "F"},
        {"scientific", [] { return FormatScientific(1234); }, "1.23E+03"},
        {"scientific small", [] { return FormatScientific(0.000456f); }, "4.56E-04"},
        {"scientific rounds up a decade", [] { return FormatScientific(9.996f); }, "1.00E+01"},
        {"scientific zero", [] { return FormatScientific(0); }, "0.00E+00"},
        {"scientific negative", [] { return FormatScientific(-1e20f); }, "-1.00E+20"},
    });
}

TEST(BaseFormatters, BinaryOctalHex)
{
    checkAll({
        {"binary", [] { return FormatBinary(101); }, "00000101"},
        {"binary capped", [] { return FormatBinary(2000000000); }, "11111111"},
        {"binary full", [] { return FormatBinary(11111111); }, "11111111"},
        {"mixed binary keeps 14", [] { return FormatMixedBinary("1111000011110000.1"); }, "000011110000.1"},
        {"mixed binary short", [] { return FormatMixedBinary("10.01"); }, "10.01"},
        {"octal", [] { return FormatOctal(17); }, "17o"},
        {"hex", [] { return FormatHex("1a.f"); }, "1A.Fh"},
        {"hex padded 2", [] { return FormatHexPadded("a", 2); }, "0Ah"},
        {"hex padded f", [] { return FormatHexPadded("f", 2); }, "0Fh"},
        {"hex padded 4", [] { return FormatHexPadded("1a", 4); }, "001Ah"},
        {"hex padded 4 short", [] { return FormatHexPadded("a", 4); }, "00Ah"},
        {"hex padded cut", [] { return FormatHexPadded("1234", 2); }, "34h"},
        {"not a number", [] { return FormatHex("zz"); }, "ZZh"},
    });
}

TEST(FormatHexPadded, UsesTheEntryWidth)
{
    suite().entryWidth = 4;
    EXPECT_EQ(FormatHexPadded("ff"), "00FFh");
    suite().entryWidth = 2;
    EXPECT_EQ(FormatHexPadded("ff"), "FFh");
}

TEST(NumberText, GeneralConversionIsShortestAndLocaleFree)
{
    checkAll({
        {"single 0.1", [] { return numtext::general(0.1f); }, "0.1"},
        {"single third", [] { return numtext::general(1.0f / 3); }, "0.3333333"},
        {"single large", [] { return numtext::general(1e8f); }, "1E+08"},
        {"single 1234567", [] { return numtext::general(1234567.0f); }, "1234567"},
        {"double noise hidden", [] { return numtext::general(4.7 * 1000); }, "4700"},
        {"double small", [] { return numtext::general(0.01 * 1e-6); }, "1E-08"},
        {"double negative zero", [] { return numtext::general(-0.0); }, "0"},
        {"fixed rounds", [] { return numtext::fixed(0.005f, 2); }, "0.01"},
        {"fixed negative zero", [] { return numtext::fixed(-0.001f, 2); }, "0.00"},
    });
}
