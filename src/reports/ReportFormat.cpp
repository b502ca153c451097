#include "reports/ReportFormat.h"

#include "tools/Errors.h"

#include <QLocale>
#include <cmath>

namespace kv {

namespace {

// "-1234567.50" (C locale) -> "-1 234 567,50"
QString localise(const QString &c, bool grouped)
{
    QString sign, digits = c, frac;
    if (digits.startsWith(u'-')) {
        sign = QStringLiteral("-");
        digits.remove(0, 1);
    }
    const qsizetype point = digits.indexOf(u'.');
    if (point >= 0) {
        frac = digits.mid(point + 1);
        digits.truncate(point);
    }
    if (grouped && digits.size() > 3 && digits.front().isDigit()) {
        QString g;
        const qsizetype n = digits.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0)
                g += u' ';
            g += digits[i];
        }
        digits = g;
    }
    // A value that rounds to zero shows no sign.
    bool zero = true;
    for (QChar ch : digits + frac)
        if (ch.isDigit() && ch != u'0')
            zero = false;
    if (zero)
        sign.clear();
    return sign + digits + (frac.isEmpty() ? QString() : QStringLiteral(",") + frac);
}

// Day counts outside the years 100..9999 are no dates.
bool plausibleDate(double v)
{
    return std::isfinite(v) && v != 0 && std::fabs(v) < 2958466.0;
}

QString formatDate(double v, const QString &pattern)
{
    if (!plausibleDate(v))
        return QString();
    const QDate d = dateFromOle(v);
    if (!d.isValid())
        return QString();
    static const QLocale russian(QLocale::Russian, QLocale::Russia);
    return russian.toString(d, pattern);
}

QString formatBoolean(const ReportValue &value, const QString &yes, const QString &no)
{
    try {
        return value.toExpr().toBool() ? yes : no;
    } catch (const Error &) {
        return value.toExpr().toString();
    }
}

// A number from a value, or nullopt for text that holds none.
std::optional<double> numberOf(const ReportValue &value)
{
    try {
        return value.toExpr().toNumber();
    } catch (const Error &) {
        return std::nullopt;
    }
}

int parseDecimals(const QString &rest, int fallback, int max, const QString &spec)
{
    if (rest.isEmpty())
        return fallback;
    bool ok = false;
    const int d = rest.toInt(&ok);
    if (!ok || d < 0 || d > max || rest.size() > 2)
        throw Error(QStringLiteral("Неверный формат \"#%1\": число знаков от 0 до %2").arg(spec).arg(max));
    return d;
}

} // namespace

QString formatNumber(double value, int decimals, bool grouped)
{
    if (!std::isfinite(value))
        return QString::number(value);
    return localise(QString::number(value, 'f', decimals), grouped);
}

QString formatMoney(Money value, int decimals)
{
    return localise(value.toDisplay(QLocale::c(), decimals), true);
}

QString formatReal(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    QString s = QString::number(value == 0 ? 0.0 : value, 'g', 15);
    s.replace(u'.', u',');
    return s;
}

DisplayFormat DisplayFormat::parse(const QString &specText)
{
    const QString spec = specText.trimmed();
    if (spec.isEmpty())
        throw Error(QStringLiteral("Пустой формат после \"#\""));
    DisplayFormat f;
    const QChar letter = spec[0].toUpper();
    const QString rest = spec.mid(1);
    if (letter == u'N') {
        f.m_kind = Kind::Number;
        f.m_decimals = parseDecimals(rest.trimmed(), 2, 10, spec);
    } else if (letter == u'F') {
        f.m_kind = Kind::Fixed;
        f.m_decimals = parseDecimals(rest.trimmed(), 2, 10, spec);
    } else if (letter == u'M') {
        f.m_kind = Kind::Money;
        f.m_decimals = parseDecimals(rest.trimmed(), 2, 4, spec);
    } else if (letter == u'D') {
        f.m_kind = Kind::Date;
        f.m_pattern = rest.isEmpty() ? QStringLiteral("dd.MM.yyyy") : rest;
    } else if (letter == u'B') {
        f.m_kind = Kind::Boolean;
        if (rest.isEmpty()) {
            f.m_yes = QStringLiteral("Да");
            f.m_no = QStringLiteral("Нет");
        } else {
            const qsizetype semi = rest.indexOf(u';');
            if (semi < 0)
                throw Error(QStringLiteral("Неверный формат \"#%1\": нужен вид B<да>;<нет>").arg(spec));
            f.m_yes = rest.left(semi);
            f.m_no = rest.mid(semi + 1);
        }
    } else if (letter == u'T' && rest.trimmed().isEmpty()) {
        f.m_kind = Kind::Text;
    } else {
        throw Error(QStringLiteral("Неизвестный формат \"#%1\"").arg(spec));
    }
    return f;
}

QString DisplayFormat::format(const ReportValue &value) const
{
    using VK = ReportValue::Kind;
    switch (m_kind) {
    case Kind::Auto:
        switch (value.kind()) {
        case VK::Text: return value.toExpr().toString();
        case VK::Integer: return formatNumber(value.toExpr().toNumber(), 0, false);
        case VK::Real: return formatReal(value.toExpr().toNumber());
        case VK::Boolean: return formatBoolean(value, QStringLiteral("Да"), QStringLiteral("Нет"));
        case VK::Money: return formatMoney(value.toMoney(), 2);
        case VK::Date: return formatDate(value.toExpr().toNumber(), QStringLiteral("dd.MM.yyyy"));
        }
        break;
    case Kind::Text:
        return value.toExpr().toString();
    case Kind::Number:
    case Kind::Fixed:
        if (const auto n = numberOf(value))
            return formatNumber(value.kind() == VK::Money ? value.toMoney().toDouble() : *n,
                                m_decimals, m_kind == Kind::Number);
        return value.toExpr().toString();
    case Kind::Money:
        if (value.kind() == VK::Money)
            return formatMoney(value.toMoney(), m_decimals);
        if (const auto n = numberOf(value)) {
            // Beyond what 1/10000 units hold in 64 bits: show the number.
            if (!std::isfinite(*n) || std::fabs(*n) >= 9.0e14)
                return formatNumber(*n, m_decimals, true);
            return formatMoney(Money::fromDouble(*n), m_decimals);
        }
        return value.toExpr().toString();
    case Kind::Date:
        if (const auto n = numberOf(value))
            return formatDate(*n, m_pattern);
        return value.toExpr().toString();
    case Kind::Boolean:
        return formatBoolean(value, m_yes, m_no);
    }
    return value.toExpr().toString();
}

} // namespace kv
