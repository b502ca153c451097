#include "windows/DisplayFormats.h"

#include <QLocale>

namespace kv {

DisplayFormats &displayFormats()
{
    static DisplayFormats formats;
    return formats;
}

QString FormatFixed(double value, int decimals)
{
    QString text = QLocale::c().toString(value, 'f', qMax(0, decimals));
    text.replace(QLatin1Char('.'), displayFormats().DecimalSeparator);
    return text;
}

QString FormatMoney(Money amount)
{
    const DisplayFormats &f = displayFormats();
    const bool negative = amount.raw() < 0;
    // "1234.5600" from the C locale (no grouping), regrouped here.
    const QString plain = (negative ? -amount : amount).toDisplay(QLocale::c(), qBound(0, f.CurrencyDecimals, 4));
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? plain : plain.left(point);
    QString out;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += f.ThousandSeparator;
        out += whole.at(i);
    }
    if (point >= 0)
        out += f.DecimalSeparator + plain.mid(point + 1);
    return (negative ? QStringLiteral("-") : QString()) + out + QLatin1Char(' ') + f.CurrencyString;
}

QString FormatShortDate(const QDate &date)
{
    return date.toString(displayFormats().ShortDateFormat);
}

} // namespace kv
