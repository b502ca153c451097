#pragma once
// Dates as stored in files: days since 30 December 1899, time of day as the
// fraction.
#include <QDate>
#include <QDateTime>

namespace kv {

using OleDate = double;

OleDate toOleDate(const QDateTime &dt);
OleDate toOleDate(const QDate &d);
QDateTime fromOleDate(OleDate value);
QDate dateFromOle(OleDate value);

} // namespace kv
