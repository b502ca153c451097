#include "MoneyInWords.h"
#include "Strings.h"
#include "Win1251.h"

#include <QStringList>

namespace kv {
namespace {

const char *const Hundreds[] = {"", "сто", "двести", "триста", "четыреста", "пятьсот",
                                "шестьсот", "семьсот", "восемьсот", "девятьсот"};
const char *const Tens[] = {"", "", "двадцать", "тридцать", "сорок", "пятьдесят",
                            "шестьдесят", "семьдесят", "восемьдесят", "девяносто"};
const char *const Units[] = {"", "один", "два", "три", "четыре", "пять", "шесть", "семь",
                             "восемь", "девять", "десять", "одиннадцать", "двенадцать",
                             "тринадцать", "четырнадцать", "пятнадцать", "шестнадцать",
                             "семнадцать", "восемнадцать", "девятнадцать"};

struct Scale
{
    std::uint64_t size;
    const char *forms[3];
    WordGender gender;
};
const Scale Scales[] = {
    {1000000000000ull, {"триллион", "триллиона", "триллионов"}, WordGender::Masculine},
    {1000000000ull, {"миллиард", "миллиарда", "миллиардов"}, WordGender::Masculine},
    {1000000ull, {"миллион", "миллиона", "миллионов"}, WordGender::Masculine},
    {1000ull, {"тысяча", "тысячи", "тысяч"}, WordGender::Feminine},
};

int formFor(int r) { return r == 1 ? 0 : (r >= 2 && r <= 4 ? 1 : 2); }

void add(QStringList &parts, const QString &part)
{
    if (!part.isEmpty())
        parts.append(part);
}

// Words for a whole number with scale words; "" for 0. *formIndex as for a group.
QString bigNumberInWords(std::uint64_t value, WordGender gender, int *formIndex)
{
    QStringList parts;
    for (const Scale &s : Scales) {
        const int g = int((value / s.size) % 1000);
        if (g == 0)
            continue;
        int form = 2;
        add(parts, NumberGroupInWords(g, s.gender, &form));
        parts.append(QString::fromUtf8(s.forms[form]));
    }
    add(parts, NumberGroupInWords(int(value % 1000), gender, formIndex));
    return parts.join(QLatin1Char(' '));
}

std::uint64_t pow10(int n)
{
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

QString NumberGroupInWords(int group, WordGender gender, int *formIndex)
{
    group = qBound(0, group, 999);
    QStringList parts;
    if (group >= 100)
        parts.append(QString::fromUtf8(Hundreds[group / 100]));
    const int tens = group / 10 % 10;
    if (tens >= 2)
        parts.append(QString::fromUtf8(Tens[tens]));
    const int r = tens >= 2 ? group % 10 : group % 100;
    if (r == 1 && gender == WordGender::Feminine)
        parts.append(QStringLiteral("одна"));
    else if (r == 1 && gender == WordGender::Neuter)
        parts.append(QStringLiteral("одно"));
    else if (r == 2 && gender == WordGender::Feminine)
        parts.append(QStringLiteral("две"));
    else if (r != 0)
        parts.append(QString::fromUtf8(Units[r]));
    if (formIndex)
        *formIndex = formFor(r);
    return parts.join(QLatin1Char(' '));
}

QString MoneyInWords(const CurrencyWords &words, bool fractionInWords, Money amount)
{
    // Money holds four decimals; more than ten would only append zeros beyond
    // any real currency and risk overflow.
    const int d = qBound(0, words.decimals, 10);
    const std::int64_t raw = amount.raw();
    std::uint64_t absRaw = raw < 0 ? std::uint64_t(-(raw + 1)) + 1 : std::uint64_t(raw);
    if (d < 4) {
        const std::uint64_t step = pow10(4 - d);
        absRaw = (absRaw / step + (absRaw % step >= step / 2 ? 1 : 0)) * step;
    }
    const std::uint64_t whole = absRaw / std::uint64_t(Money::Scale);
    const std::uint64_t fraction = d <= 4 ? absRaw % std::uint64_t(Money::Scale) / pow10(4 - d)
                                          : absRaw % std::uint64_t(Money::Scale) * pow10(d - 4);

    const QString mainForms[] = {words.nominative, words.genitive, words.genitivePlural};
    const QString fracForms[] = {words.fractionNominative, words.fractionGenitive,
                                 words.fractionGenitivePlural};
    QStringList parts;
    int form = 2;
    const QString text = bigNumberInWords(whole, words.gender, &form);
    add(parts, text.isEmpty() ? QStringLiteral("ноль") : text);
    add(parts, mainForms[form]);

    if (d > 0) {
        const int last = int(fraction % 100);
        const int fracForm = formFor(last >= 20 ? last % 10 : last);
        if (fractionInWords && d <= 4) {
            const QString f = bigNumberInWords(fraction, words.fractionGender, nullptr);
            add(parts, f.isEmpty() ? QStringLiteral("ноль") : f);
        } else {
            const int width = d <= 4 ? d : 2;
            add(parts, QString::number(fraction).rightJustified(width, QLatin1Char('0')));
        }
        add(parts, fracForms[fracForm]);
    }

    QString out = TrimBlanks(parts.join(QLatin1Char(' ')));
    if (!out.isEmpty())
        out[0] = cp1251::toUpper(out.at(0));
    return out;
}

} // namespace kv
