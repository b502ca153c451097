#include "tools/MoneyInWords.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {
QString u(const char *s) { return QString::fromUtf8(s); }

Money m(const char *text)
{
    const auto v = Money::parse(QString::fromLatin1(text));
    if (!v)
        ADD_FAILURE() << "bad amount in test: " << text;
    return v.value_or(Money());
}

// As the report data fills it: main unit only, no fractional unit forms.
CurrencyWords rubles(int decimals = 2)
{
    CurrencyWords w;
    w.nominative = u("рубль");
    w.genitive = u("рубля");
    w.genitivePlural = u("рублей");
    w.gender = WordGender::Masculine;
    w.decimals = decimals;
    return w;
}

CurrencyWords rublesAndKopecks(int decimals = 2)
{
    CurrencyWords w = rubles(decimals);
    w.fractionNominative = u("копейка");
    w.fractionGenitive = u("копейки");
    w.fractionGenitivePlural = u("копеек");
    w.fractionGender = WordGender::Feminine;
    return w;
}

struct Case { const char *amount; const char *text; };

void check(const CurrencyWords &w, bool fractionInWords, std::initializer_list<Case> cases)
{
    for (const Case &c : cases)
        EXPECT_EQ(MoneyInWords(w, fractionInWords, m(c.amount)), u(c.text)) << c.amount;
}
} // namespace

TEST(MoneyInWords, DocumentExamples)
{
    EXPECT_EQ(MoneyInWords(rubles(), false, m("1234.56")),
              u("Одна тысяча двести тридцать четыре рубля 56"));
    EXPECT_EQ(MoneyInWords(rubles(), false, Money()), u("Ноль рублей 00"));
}

TEST(MoneyInWords, UnitFormsAndTeens)
{
    check(rubles(), false, {
        {"1", "Один рубль 00"},
        {"2", "Два рубля 00"},
        {"4", "Четыре рубля 00"},
        {"5", "Пять рублей 00"},
        {"10", "Десять рублей 00"},
        {"11", "Одиннадцать рублей 00"},
        {"12", "Двенадцать рублей 00"},
        {"14", "Четырнадцать рублей 00"},
        {"19", "Девятнадцать рублей 00"},
        {"20", "Двадцать рублей 00"},
        {"21", "Двадцать один рубль 00"},
        {"22", "Двадцать два рубля 00"},
        {"40", "Сорок рублей 00"},
        {"99", "Девяносто девять рублей 00"},
        {"100", "Сто рублей 00"},
        {"101", "Сто один рубль 00"},
        {"111", "Сто одиннадцать рублей 00"},
        {"112", "Сто двенадцать рублей 00"},
        {"122", "Сто двадцать два рубля 00"},
        {"999", "Девятьсот девяносто девять рублей 00"},
    });
}

TEST(MoneyInWords, ScalesThousandsFeminine)
{
    check(rubles(), false, {
        {"1000", "Одна тысяча рублей 00"},
        {"2000", "Две тысячи рублей 00"},
        {"4000", "Четыре тысячи рублей 00"},
        {"5000", "Пять тысяч рублей 00"},
        {"11000", "Одиннадцать тысяч рублей 00"},
        {"21000", "Двадцать одна тысяча рублей 00"},
        {"22001", "Двадцать две тысячи один рубль 00"},
        {"1000000", "Один миллион рублей 00"},
        {"2000000", "Два миллиона рублей 00"},
        {"12000000", "Двенадцать миллионов рублей 00"},
        {"1000001", "Один миллион один рубль 00"},
        {"3000000000", "Три миллиарда рублей 00"},
        {"1002003004.05", "Один миллиард два миллиона три тысячи четыре рубля 05"},
        {"5000000000000", "Пять триллионов рублей 00"},
    });
    EXPECT_EQ(MoneyInWords(rubles(), false, Money::fromUnits(921000000000000)),
              u("Девятьсот двадцать один триллион рублей 00"));
    // The largest amount Money holds.
    EXPECT_EQ(MoneyInWords(rubles(), false, Money::fromRaw(INT64_MAX)),
              u("Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три "
                "миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят семь рублей 58"));
}

TEST(MoneyInWords, GenderOfTheMainUnit)
{
    CurrencyWords hryvnia;
    hryvnia.nominative = u("гривна");
    hryvnia.genitive = u("гривны");
    hryvnia.genitivePlural = u("гривен");
    hryvnia.gender = WordGender::Feminine;
    check(hryvnia, false, {
        {"1", "Одна гривна 00"},
        {"2", "Две гривны 00"},
        {"21", "Двадцать одна гривна 00"},
        {"2002", "Две тысячи две гривны 00"},
        {"12", "Двенадцать гривен 00"},
    });
    CurrencyWords euro;
    euro.nominative = euro.genitive = euro.genitivePlural = u("евро");
    euro.gender = WordGender::Neuter;
    check(euro, false, {
        {"1", "Одно евро 00"},
        {"2", "Два евро 00"},
        {"1001", "Одна тысяча одно евро 00"},
    });
}

TEST(MoneyInWords, SignIsNotWritten)
{
    EXPECT_EQ(MoneyInWords(rubles(), false, m("-1234.56")),
              u("Одна тысяча двести тридцать четыре рубля 56"));
    EXPECT_EQ(MoneyInWords(rubles(), false, Money::fromRaw(INT64_MIN)),
              u("Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три "
                "миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят семь рублей 58"));
}

TEST(MoneyInWords, FractionInWordsForTwoDecimals)
{
    check(rublesAndKopecks(), true, {
        {"1.21", "Один рубль двадцать одна копейка"},
        {"2.02", "Два рубля две копейки"},
        {"5.11", "Пять рублей одиннадцать копеек"},
        {"0.01", "Ноль рублей одна копейка"},
        {"3", "Три рубля ноль копеек"},
        {"1234.56", "Одна тысяча двести тридцать четыре рубля пятьдесят шесть копеек"},
    });
    // Digits still take the fractional unit's form.
    check(rublesAndKopecks(), false, {
        {"1.01", "Один рубль 01 копейка"},
        {"1.03", "Один рубль 03 копейки"},
        {"1.12", "Один рубль 12 копеек"},
        {"1.5", "Один рубль 50 копеек"},
    });
}

TEST(MoneyInWords, FractionIsRoundedHalfUpWithoutCarryingIntoTheDigits)
{
    check(rubles(2), false, {
        {"0.005", "Ноль рублей 01"},
        {"0.0049", "Ноль рублей 00"},
        {"2.675", "Два рубля 68"},   // 2.675 as a double would round down
        {"0.996", "Один рубль 00"},  // not "Ноль рублей 100"
        {"1.995", "Два рубля 00"},
        {"-0.995", "Один рубль 00"},
    });
    check(rubles(0), false, {
        {"12.4", "Двенадцать рублей"},
        {"12.5", "Тринадцать рублей"},
        {"0", "Ноль рублей"},
    });
}

TEST(MoneyInWords, OtherNumbersOfDecimals)
{
    check(rubles(1), false, {{"1.25", "Один рубль 3"}, {"1.24", "Один рубль 2"}, {"1", "Один рубль 0"}});
    check(rublesAndKopecks(1), true, {{"1.2", "Один рубль две копейки"}});
    check(rubles(3), false, {{"1.2345", "Один рубль 235"}, {"1.0045", "Один рубль 005"}});
    check(rubles(4), false, {{"1.0001", "Один рубль 0001"}, {"7.1234", "Семь рублей 1234"}});
    check(rubles(5), false, {{"1.0001", "Один рубль 10"}, {"1", "Один рубль 00"}});
    // Three and four decimals in words, thousands of the fractional unit included.
    check(rublesAndKopecks(3), true, {{"1.005", "Один рубль пять копеек"}});
    check(rublesAndKopecks(4), true, {{"1.1001", "Один рубль одна тысяча одна копейка"}});
    // Absurd decimal counts stay within range.
    EXPECT_EQ(MoneyInWords(rubles(40), false, m("1.5")), u("Один рубль 5000000000"));
    EXPECT_EQ(MoneyInWords(rubles(-3), false, m("1.5")), u("Два рубля"));
}
