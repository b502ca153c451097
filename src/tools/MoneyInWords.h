#pragma once
// Money amounts written in Russian words for printed documents
// ("Одна тысяча двести тридцать четыре рубля 56").
#include "tools/Money.h"

#include <QString>

namespace kv {

enum class WordGender { Masculine = 0, Feminine = 1, Neuter = 2 };

// How a currency is written. Forms: for 1, for 2-4, for 5 and more
// ("рубль", "рубля", "рублей").
struct CurrencyWords
{
    QString nominative, genitive, genitivePlural;
    WordGender gender = WordGender::Masculine;
    QString fractionNominative, fractionGenitive, fractionGenitivePlural;
    WordGender fractionGender = WordGender::Masculine;
    int decimals = 2;
};

// The amount without its sign, its whole units in words and the fraction to
// `decimals` places after them: in words when fractionInWords is set and the
// currency has one to four decimals, otherwise in digits. The amount is rounded
// to `decimals` places first (half away from zero), so 0.996 at two decimals
// reads as one unit and "00", never as "100" hundredths.
QString MoneyInWords(const CurrencyWords &words, bool fractionInWords, Money amount);

// Words for 0..999 in the given gender ("" for 0); *formIndex (when given)
// becomes 0, 1 or 2: the word form that follows the number.
QString NumberGroupInWords(int group, WordGender gender, int *formIndex = nullptr);

} // namespace kv
