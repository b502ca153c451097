#include "tools/Money.h"

#include <gtest/gtest.h>

using kv::Money;

TEST(Money, ConversionFromRealRoundsTiesToEven)
{
    struct Case { double in; qint64 raw; };
    const Case cases[] = {
        // 1/32 and 3/32 are exact binary values that land on a half of 1/10000.
        {1.0, 10000}, {0.03125, 312}, {0.09375, 938}, {-0.03125, -312}, {-0.09375, -938},
        {12.34567, 123457}, {-12.34564, -123456}, {0.0, 0}, {0.00014999, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Money::fromDouble(c.in).raw(), c.raw) << c.in;
}

TEST(Money, ArithmeticRoundsOnceTiesToEven)
{
    const Money a = Money::fromRaw(15); // 0.0015
    EXPECT_EQ((a * 0.5).raw(), 8);      // 7.5 -> 8
    EXPECT_EQ((Money::fromRaw(13) * 0.5).raw(), 6); // 6.5 -> 6
    EXPECT_EQ((Money::fromRaw(10) / 4.0).raw(), 2);  // 2.5 -> 2
    EXPECT_EQ((Money::fromUnits(3) * std::int64_t(7)).raw(), 210000);
    EXPECT_EQ((Money::fromUnits(3) + Money::fromRaw(1)).raw(), 30001);
    EXPECT_DOUBLE_EQ(Money::fromUnits(3) / Money::fromUnits(2), 1.5);
    EXPECT_LT(Money::fromRaw(-1), Money());
}

TEST(Money, DataTextRoundTrips)
{
    struct Case { const char *text; qint64 raw; const char *back; };
    const Case cases[] = {
        {"1234.56", 12345600, "1234.5600"}, {"-0.0001", -1, "-0.0001"}, {"0", 0, "0.0000"},
        {"7,5", 75000, "7.5000"}, {"0.00005", 0, "0.0000"}, {"0.00015", 2, "0.0002"},
        {"0.000151", 2, "0.0002"}, {"1.00025", 10002, "1.0002"}, {".5", 5000, "0.5000"},
    };
    for (const Case &c : cases) {
        auto m = Money::parse(QString::fromLatin1(c.text));
        ASSERT_TRUE(m.has_value()) << c.text;
        EXPECT_EQ(m->raw(), c.raw) << c.text;
        EXPECT_EQ(m->toString(), QString::fromLatin1(c.back)) << c.text;
    }
    for (const char *bad : {"", "abc", "1.2.3", "-", "1e5", "12a"})
        EXPECT_FALSE(Money::parse(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(Money, DisplayUsesLocaleAndRequestedDecimals)
{
    QLocale ru(QLocale::Russian, QLocale::Russia);
    ru.setNumberOptions(QLocale::OmitGroupSeparator);
    EXPECT_EQ(Money::fromRaw(12345678).toDisplay(ru), QStringLiteral("1234,5678"));
    EXPECT_EQ(Money::fromRaw(12345).toDisplay(QLocale::c(), 2), QStringLiteral("1.23"));
    EXPECT_EQ(Money::fromRaw(12350).toDisplay(QLocale::c(), 2), QStringLiteral("1.24"));
    EXPECT_EQ(Money::fromRaw(12250).toDisplay(QLocale::c(), 2), QStringLiteral("1.22"));
}
