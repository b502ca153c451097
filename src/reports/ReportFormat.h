#pragma once
// Display formats of report fields, in the program's display conventions:
// decimal comma, a blank between thousands, dates as dd.mm.yyyy.
//
//   (none)  by the value's kind: integers plain, reals shortest, money with
//           two decimals and thousands, dates dd.mm.yyyy (no date: empty),
//           Booleans "Да"/"Нет", text as is
//   N[d]    number with thousands and d decimals (default 2)
//   F[d]    number with d decimals, no thousands (default 2)
//   M[d]    money with thousands and d decimals, 0 to 4 (default 2)
//   D[pat]  date; pat is a Qt date pattern with Russian month names
//           (default dd.MM.yyyy)
//   B[y;n]  Boolean as y or n (default Да;Нет)
//   T       text as is
#include "reports/ReportData.h"

#include <QString>

namespace kv {

class DisplayFormat
{
public:
    enum class Kind { Auto, Text, Number, Fixed, Money, Date, Boolean };

    DisplayFormat() = default; // Auto
    // Parses a format written after '#'; an unknown or malformed format throws
    // kv::Error.
    static DisplayFormat parse(const QString &spec);

    Kind kind() const { return m_kind; }
    QString format(const ReportValue &value) const;

private:
    Kind m_kind = Kind::Auto;
    int m_decimals = 2;
    QString m_pattern;
    QString m_yes, m_no;
};

// Number with decimal comma; grouped puts a blank between thousands.
QString formatNumber(double value, int decimals, bool grouped);
// Money rounded exactly (ties to even) to the given decimals, with thousands.
QString formatMoney(Money value, int decimals = 2);
// Shortest text of a real with a decimal comma.
QString formatReal(double value);

} // namespace kv
