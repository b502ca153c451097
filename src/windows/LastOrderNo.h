#pragma once
// Karvelo.lon: the number of the order saved last, 31 bytes (a length byte
// and up to 30 Windows-1251 characters, zero-padded), in the orders folder
// or beside the program when there is none.
#include <QString>
#include <optional>

namespace kv {

QString LastOrderNoFile();
// Nothing when the file is missing or unreadable.
std::optional<QString> ReadLastOrderNo();
// Longer numbers are cut to 30 characters. Failures are ignored.
void WriteLastOrderNo(const QString &orderNo);

} // namespace kv
