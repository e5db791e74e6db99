// The dialog's quantity table and its formatter choice agree.
#include <gtest/gtest.h>

#include "qstring_print.h"
#include "values/quantities.h"

using namespace orr;

TEST(Quantities, EveryListedTypeHasAFormatter)
{
    EXPECT_EQ(quantityTable().size(), 41u);  // every quantity type of the suite;
    for (const QuantityEntry& q : quantityTable()) {
        EXPECT_FALSE(formatEntry(q.type, 1, QStringLiteral("1")).isEmpty()) << q.type.toStdString();
        EXPECT_FALSE(q.keyboard.isEmpty());
        for (const auto& m : q.multipliers)
            if (m)
                EXPECT_GT(m->factor, 0);
    }
    EXPECT_EQ(findQuantity(QStringLiteral("Currency.")), nullptr);  // LimitValue's key, not the dialog's
    EXPECT_EQ(findQuantity(QStringLiteral("resistance.")), nullptr);  // keys are case-sensitive
    EXPECT_EQ(formatEntry(QStringLiteral("Nonsense."), 1, QStringLiteral("1")), "");
}

TEST(Quantities, FormatEntryParticulars)
{
    const struct {
        const char* type;
        double value;
        const char* typed;
        QString text;
    } cases[] = {
        {"Capacitance.", 0.0047, "0.0047", "4.70nF"},  // microfarads in, farads formatted
        {"Exponent No.", 0, "1.5E+3", "1.50E+03"},
        {"Binary No.", 1010.5, "1010.5", "00001010"},
        {"Hexadecimal.", 0, "FF.8", "FF.8h"},
        {"Alpha Numeric.", 0, "A-1", "A-1"},
        {"Integer No.", 2.5, "2.5", "2.50"},
        {"Decimal No.", 2.5, "2.5", "2.5"},
        {"Volume.", 8, "8", "8cm\u00B3"},
        {"Cubed.", 8, "8", "8cm\u00B3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatEntry(QString::fromUtf8(c.type), c.value, QString::fromUtf8(c.typed)), c.text) << c.type;
    EXPECT_EQ(entryValue(QStringLiteral("Angle."), QStringLiteral("-400")), -360);
    EXPECT_EQ(entryValue(QStringLiteral("Positive Angle."), QStringLiteral("-400")), -400);
    EXPECT_EQ(entryValue(QStringLiteral("Positive Angle."), QStringLiteral("400")), 360);
}

TEST(Quantities, ExtremeValuesAreStillWritten)
{
    for (const QuantityEntry& q : quantityTable())
        for (double v : {1e300, -1e300, 3.5e38})
            EXPECT_FALSE(formatEntry(q.type, v, QStringLiteral("1E+300")).isEmpty()) << q.type.toStdString();
}
