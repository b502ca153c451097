#pragma once
// Display formats of the whole desktop program: decimal comma, blank
// thousands separator, dd.mm.yyyy dates and the currency string with its
// number of decimals. The main window sets them at creation; document
// windows change the currency part while they are active.
#include "tools/Money.h"

#include <QDate>
#include <QString>

namespace kv {

struct DisplayFormats
{
    QChar DecimalSeparator = QLatin1Char(',');
    QChar ThousandSeparator = QLatin1Char(' ');
    // Written after the amount and one blank ("1 234,56 EUR").
    QString CurrencyString = QStringLiteral(" ");
    int CurrencyDecimals = 2;
    QString ShortDateFormat = QStringLiteral("dd.MM.yyyy");
};

DisplayFormats &displayFormats();

// A real with a fixed number of decimals and the decimal separator, no
// thousands separator ("%.4f" of the program's texts).
QString FormatFixed(double value, int decimals);
// An amount with thousands separators, the currency decimals, a blank and
// the currency string; a minus sign in front when negative.
QString FormatMoney(Money amount);
QString FormatShortDate(const QDate &date);

} // namespace kv
