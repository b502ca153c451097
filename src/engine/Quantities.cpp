#include "Quantities.h"

#include "tools/Errors.h"

#include <cmath>
#include <limits>

namespace kv {

namespace {

[[noreturn]] void overflow(const QString &element)
{
    throw Error(QStringLiteral("Количество элемента фурнитуры [%1] выходит за допустимые пределы!").arg(element));
}

qint32 checked(qint64 v, const QString &element)
{
    if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        overflow(element);
    return qint32(v);
}

} // namespace

qint32 QuantityProduct(qint64 a, qint64 b, const QString &element)
{
    qint64 r = 0;
    if (qMulOverflow(a, b, &r))
        overflow(element);
    return checked(r, element);
}

qint32 QuantitySum(qint64 a, qint64 b, const QString &element)
{
    qint64 r = 0;
    if (qAddOverflow(a, b, &r))
        overflow(element);
    return checked(r, element);
}

qint32 QuantityRound(double v, const QString &element)
{
    const double r = std::round(v); // half away from zero
    if (!(r >= double(std::numeric_limits<qint32>::min()) && r <= double(std::numeric_limits<qint32>::max())))
        overflow(element);
    return qint32(r);
}

bool ParseInteger(const QString &text, qint32 &value)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    if (i == n)
        return false;
    qint64 v = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > qint64(std::numeric_limits<qint32>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        return false;
    value = qint32(v);
    return true;
}

qint32 StrToInt(const QString &text)
{
    qint32 v = 0;
    if (!ParseInteger(text, v))
        throw Error(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return v;
}

} // namespace kv
