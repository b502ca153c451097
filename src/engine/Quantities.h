#pragma once
// Integer helpers of the selection run: quantities are 32-bit products and
// sums that must never wrap, and the documentation's integer texts are read
// strictly.
#include <QString>
#include <QtGlobal>

namespace kv {

// a × b and a + b; raise kv::Error naming the element when the result does
// not fit in 32 bits.
qint32 QuantityProduct(qint64 a, qint64 b, const QString &element);
qint32 QuantitySum(qint64 a, qint64 b, const QString &element);
// A real rounded half away from zero into 32 bits, raising as above.
qint32 QuantityRound(double v, const QString &element);

// A decimal integer: optional leading blanks and sign, then digits only.
// False for anything else or a value outside 32 bits.
bool ParseInteger(const QString &text, qint32 &value);
// The same, raising the conversion error "'<text>' is not a valid integer value".
qint32 StrToInt(const QString &text);

} // namespace kv
