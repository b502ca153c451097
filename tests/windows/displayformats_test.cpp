// Money, reals and dates as the program shows them.
#include "windows/DisplayFormats.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(DisplayFormats, MoneyHasBlankThousandsCommaDecimalsAndTheCurrencyString)
{
    DisplayFormats &f = displayFormats();
    const DisplayFormats saved = f;
    f.CurrencyString = QStringLiteral("EUR");
    f.CurrencyDecimals = 4;
    const struct
    {
        qint64 raw;
        const char *text;
    } cases[] = {
        {0, "0,0000 EUR"},
        {12345678, "1 234,5678 EUR"},
        {-12345678, "-1 234,5678 EUR"},
        {1234567890000, "123 456 789,0000 EUR"},
        {9990000, "999,0000 EUR"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatMoney(Money::fromRaw(c.raw)), QString::fromUtf8(c.text));
    f.CurrencyDecimals = 2;
    EXPECT_EQ(FormatMoney(Money::fromRaw(12345)), QStringLiteral("1,23 EUR"));  // 1.2345, tie-free
    EXPECT_EQ(FormatMoney(Money::fromRaw(12250)), QStringLiteral("1,22 EUR"));  // 1.225 ties to even
    f = saved;
    EXPECT_EQ(FormatFixed(1.5, 4), QStringLiteral("1,5000"));
    EXPECT_EQ(FormatShortDate(QDate(2019, 12, 26)), QStringLiteral("26.12.2019"));
}
