#include "OleDate.h"

#include <cmath>

namespace kv {
namespace {
const QDate Epoch(1899, 12, 30);
constexpr double MsPerDay = 86400000.0;
}

OleDate toOleDate(const QDate &d)
{
    return d.isValid() ? double(Epoch.daysTo(d)) : 0.0;
}

OleDate toOleDate(const QDateTime &dt)
{
    if (!dt.isValid())
        return 0.0;
    const double days = double(Epoch.daysTo(dt.date()));
    const double frac = dt.time().msecsSinceStartOfDay() / MsPerDay;
    // Before the epoch the fraction still counts forward from midnight.
    return days >= 0 ? days + frac : days - frac;
}

QDateTime fromOleDate(OleDate value)
{
    const double whole = std::trunc(value);
    const double frac = std::fabs(value - whole);
    qint64 ms = qint64(std::llround(frac * MsPerDay));
    qint64 days = qint64(whole);
    if (ms >= qint64(MsPerDay)) {
        ms -= qint64(MsPerDay);
        days += value >= 0 ? 1 : -1;
    }
    return QDateTime(Epoch.addDays(days), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QDate dateFromOle(OleDate value) { return fromOleDate(value).date(); }

} // namespace kv
