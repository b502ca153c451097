#pragma once
// Money: a 64-bit count of 1/10000 of a currency unit. Every sum, product,
// quotient and conversion lands on that unit, ties rounded to even, so the same
// order always prices to the same last digit.
#include <QLocale>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace kv {

class Money
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t raw) { Money m; m.m_raw = raw; return m; }
    // Nearest 1/10000, ties to even.
    static Money fromDouble(double value);
    static constexpr Money fromUnits(std::int64_t units) { return fromRaw(units * Scale); }

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return double(m_raw) / double(Scale); }
    constexpr bool isZero() const { return m_raw == 0; }

    constexpr Money operator+(Money o) const { return fromRaw(m_raw + o.m_raw); }
    constexpr Money operator-(Money o) const { return fromRaw(m_raw - o.m_raw); }
    constexpr Money operator-() const { return fromRaw(-m_raw); }
    Money &operator+=(Money o) { m_raw += o.m_raw; return *this; }
    Money &operator-=(Money o) { m_raw -= o.m_raw; return *this; }

    constexpr Money operator*(std::int64_t n) const { return fromRaw(m_raw * n); }
    Money operator*(double factor) const;   // rounded once, ties to even
    Money operator/(double divisor) const;  // rounded once, ties to even
    double operator/(Money o) const { return double(m_raw) / double(o.m_raw); }
    Money &operator*=(double f) { return *this = *this * f; }
    Money &operator/=(double d) { return *this = *this / d; }

    constexpr auto operator<=>(const Money &) const = default;

    // Data form: point as decimal separator, four decimals ("-12.3400").
    QString toString() const;
    // Display form with the given number of decimals in the given locale.
    QString toDisplay(const QLocale &locale, int decimals = 4) const;
    // Accepts the data form (point or comma, up to four decimals, optional sign);
    // more decimals are rounded ties to even.
    static std::optional<Money> parse(const QString &text);

private:
    std::int64_t m_raw = 0;
};

inline Money operator*(std::int64_t n, Money m) { return m * n; }
inline Money operator*(double f, Money m) { return m * f; }

// Round a real to the nearest integer, ties to even (the FPU's default mode).
std::int64_t roundTiesEven(long double x);

} // namespace kv
