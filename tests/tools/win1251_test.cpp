#include "tools/OleDate.h"
#include "tools/Win1251.h"

#include <gtest/gtest.h>

namespace cp = kv::cp1251;

TEST(Win1251, EncodesAndDecodesCyrillic)
{
    const QString text = QStringLiteral("Ёлка ФУРНИТУРА №5");
    const QByteArray bytes = cp::encode(text);
    EXPECT_EQ(bytes, QByteArray("\xA8\xEB\xEA\xE0 \xD4\xD3\xD0\xCD\xC8\xD2\xD3\xD0\xC0 \xB9" "5"));
    EXPECT_EQ(cp::decode(bytes), text);
}

TEST(Win1251, CharactersOutsideThePageBecomeQuestionMarks)
{
    bool lossy = false;
    EXPECT_EQ(cp::encode(QStringLiteral("a\u4e2db"), &lossy), QByteArray("a?b"));
    EXPECT_TRUE(lossy);
    cp::encode(QStringLiteral("абв"), &lossy);
    EXPECT_FALSE(lossy);
    EXPECT_FALSE(cp::isEncodable(QStringLiteral("\u20ac\u4e2d")));
}

TEST(Win1251, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool lossy = true;
    EXPECT_EQ(cp::encode(cp::decode(all), &lossy), all);
    EXPECT_FALSE(lossy);
}

TEST(Win1251, UpperCaseLikeWindows)
{
    EXPECT_EQ(cp::toUpper(QStringLiteral("ёлка abc ђѓўјґєїіљњќћџѕ")), QStringLiteral("ЁЛКА ABC ЂЃЎЈҐЄЇІЉЊЌЋЏЅ"));
    // Characters without an upper-case partner inside the page stay as they are.
    EXPECT_EQ(cp::toUpper(QStringLiteral("µß1")), QStringLiteral("µß1"));
    EXPECT_TRUE(cp::equalsIgnoreCase(QStringLiteral("Заказ"), QStringLiteral("ЗАКАЗ")));
}

TEST(Win1251, ComparesByCodePageBytes)
{
    // In the code page Ё (0xA8) sorts before А (0xC0), and Latin before Cyrillic.
    EXPECT_LT(cp::compare(QStringLiteral("Ё"), QStringLiteral("А")), 0);
    EXPECT_LT(cp::compare(QStringLiteral("Z"), QStringLiteral("А")), 0);
    EXPECT_LT(cp::compare(QStringLiteral("аб"), QStringLiteral("аба")), 0);
    EXPECT_EQ(cp::compare(QStringLiteral("аб"), QStringLiteral("аб")), 0);
    EXPECT_GT(cp::compare(QStringLiteral("я"), QStringLiteral("Я")), 0);
}

TEST(OleDate, ConvertsBothWays)
{
    EXPECT_DOUBLE_EQ(kv::toOleDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_DOUBLE_EQ(kv::toOleDate(QDate(2019, 12, 26)), 43825.0);
    EXPECT_DOUBLE_EQ(kv::toOleDate(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    EXPECT_DOUBLE_EQ(kv::toOleDate(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_EQ(kv::fromOleDate(2.75), QDateTime(QDate(1900, 1, 1), QTime(18, 0)));
    EXPECT_EQ(kv::fromOleDate(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    const QDateTime t(QDate(2026, 12, 11), QTime(15, 55, 35, 123));
    EXPECT_EQ(kv::fromOleDate(kv::toOleDate(t)), t);
}
