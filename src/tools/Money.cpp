#include "Money.h"

#include <QRegularExpression>
#include <cmath>

namespace kv {

std::int64_t roundTiesEven(long double x)
{
    long double r = std::floor(x);
    const long double diff = x - r;
    if (diff > 0.5L || (diff == 0.5L && std::fmod(r, 2.0L) != 0.0L))
        r += 1.0L;
    return static_cast<std::int64_t>(r);
}

Money Money::fromDouble(double value)
{
    return fromRaw(roundTiesEven(static_cast<long double>(value) * Scale));
}

Money Money::operator*(double factor) const
{
    return fromRaw(roundTiesEven(static_cast<long double>(m_raw) * factor));
}

Money Money::operator/(double divisor) const
{
    return fromRaw(roundTiesEven(static_cast<long double>(m_raw) / divisor));
}

QString Money::toString() const
{
    const std::uint64_t a = m_raw < 0 ? std::uint64_t(-(m_raw + 1)) + 1 : std::uint64_t(m_raw);
    const QString frac = QString::number(a % Scale).rightJustified(4, QLatin1Char('0'));
    return (m_raw < 0 ? QStringLiteral("-") : QString()) + QString::number(a / Scale) + QLatin1Char('.') + frac;
}

QString Money::toDisplay(const QLocale &locale, int decimals) const
{
    if (decimals >= 4)
        return locale.toString(toDouble(), 'f', 4);
    // Round the exact amount first so the display never shows a double's noise.
    std::int64_t div = 1;
    for (int i = decimals; i < 4; ++i)
        div *= 10;
    const std::int64_t q = roundTiesEven(static_cast<long double>(m_raw) / div);
    return locale.toString(double(q) / double(Scale / div), 'f', decimals);
}

std::optional<Money> Money::parse(const QString &text)
{
    QString s = text.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    bool neg = false;
    if (s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+'))) {
        neg = s.at(0) == QLatin1Char('-');
        s.remove(0, 1);
    }
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    const QString intPart = dot < 0 ? s : s.left(dot);
    QString fracPart = dot < 0 ? QString() : s.mid(dot + 1);
    if (intPart.isEmpty() && fracPart.isEmpty())
        return std::nullopt;
    for (QChar c : intPart + fracPart)
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
    if (intPart.size() > 14)
        return std::nullopt;
    std::int64_t units = intPart.isEmpty() ? 0 : intPart.toLongLong();
    std::int64_t raw = units * Scale;
    if (fracPart.size() <= 4) {
        raw += fracPart.leftJustified(4, QLatin1Char('0')).toLongLong();
    } else {
        // Exact decimal rounding of the extra digits, ties to even.
        const std::int64_t head = fracPart.left(4).toLongLong();
        const QString tail = fracPart.mid(4);
        const QChar first = tail.at(0);
        const bool restNonZero = tail.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")));
        std::int64_t f = head;
        if (first > QLatin1Char('5') || (first == QLatin1Char('5') && (restNonZero || (head + units * Scale) % 2 != 0)))
            ++f;
        raw += f;
    }
    return fromRaw(neg ? -raw : raw);
}

} // namespace kv
