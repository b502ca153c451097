#include "SpecStream.h"

#include "tools/Messages.h"
#include "tools/Win1251.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>

namespace kv {

// ---- Value conversions ---------------------------------------------------

namespace {

// Damaged data may hold any number where a field expects a small one; the
// conversion refuses what the field cannot hold instead of wrapping it.
[[noreturn]] void outOfRange(const QString &value)
{
    throw StreamReadError(QStringLiteral("Значение вне допустимого диапазона: %1.").arg(value));
}

qint32 toInt32(long double d)
{
    if (!(d >= -2147483648.5L && d < 2147483647.5L))
        outOfRange(QString::number(double(d), 'g', 17));
    return qint32(roundTiesEven(d));
}

qint32 toInt32(qint64 v)
{
    if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        outOfRange(QString::number(v));
    return qint32(v);
}

} // namespace

qint64 Value::intPayload() const
{
    if (auto p = std::get_if<qint64>(&m_data))
        return *p;
    if (auto d = std::get_if<double>(&m_data)) {
        if (!(std::fabs(*d) < 9.2e18))
            outOfRange(QString::number(*d, 'g', 17));
        return roundTiesEven(*d);
    }
    return 0;
}

double Value::toDouble() const
{
    switch (m_kind) {
    case ValueKind::Currency:
        return double(std::get<qint64>(m_data)) / double(Money::Scale);
    case ValueKind::String: {
        bool ok = false;
        const double d = std::get<QString>(m_data).trimmed().toDouble(&ok);
        return ok ? d : 0.0;
    }
    default:
        break;
    }
    if (auto p = std::get_if<qint64>(&m_data))
        return double(*p);
    if (auto d = std::get_if<double>(&m_data))
        return *d;
    return 0.0;
}

qint32 Value::toInt() const
{
    switch (m_kind) {
    case ValueKind::Currency:
        return toInt32(static_cast<long double>(std::get<qint64>(m_data)) / Money::Scale);
    case ValueKind::String: {
        const double d = toDouble();
        return std::isfinite(d) ? toInt32(static_cast<long double>(d)) : 0;
    }
    default:
        break;
    }
    if (auto d = std::get_if<double>(&m_data))
        return std::isfinite(*d) ? toInt32(static_cast<long double>(*d)) : 0;
    return toInt32(intPayload());
}

Money Value::toMoney() const
{
    if (m_kind == ValueKind::Currency)
        return Money::fromRaw(std::get<qint64>(m_data));
    if (auto d = std::get_if<double>(&m_data)) {
        if (!std::isfinite(*d))
            return Money();
        if (!(std::fabs(static_cast<long double>(*d) * Money::Scale) < 9.2e18L))
            outOfRange(QString::number(*d, 'g', 17));
        return Money::fromDouble(*d);
    }
    if (auto p = std::get_if<qint64>(&m_data)) {
        constexpr qint64 limit = std::numeric_limits<qint64>::max() / Money::Scale;
        if (*p > limit || *p < -limit)
            outOfRange(QString::number(*p));
        return Money::fromUnits(*p);
    }
    if (m_kind == ValueKind::String)
        return Money::parse(std::get<QString>(m_data)).value_or(Money());
    return Money();
}

bool Value::toBool() const
{
    if (auto p = std::get_if<qint64>(&m_data))
        return *p != 0;
    if (auto d = std::get_if<double>(&m_data))
        return *d != 0.0;
    if (auto s = std::get_if<QString>(&m_data))
        return s->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    return false;
}

quint8 Value::toByte() const { return quint8(toInt()); }

QString Value::toString() const
{
    if (auto s = std::get_if<QString>(&m_data))
        return *s;
    switch (m_kind) {
    case ValueKind::Empty:
    case ValueKind::Null:
        return QString();
    case ValueKind::Currency:
        return toMoney().toString();
    case ValueKind::Boolean:
        return toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        break;
    }
    if (auto d = std::get_if<double>(&m_data))
        return QString::number(*d, 'g', 15);
    return QString::number(intPayload());
}

// ---- Stream ----------------------------------------------------------------

void TSpecStream::write(const char *data, qsizetype size)
{
    if (size <= 0)
        return;
    const qsizetype end = m_pos + size;
    if (end > m_buffer.size())
        m_buffer.resize(end);
    std::memcpy(m_buffer.data() + m_pos, data, size_t(size));
    m_pos = end;
}

qsizetype TSpecStream::read(char *data, qsizetype size)
{
    const qsizetype n = qBound<qsizetype>(0, size, remaining());
    if (n > 0)
        std::memcpy(data, m_buffer.constData() + m_pos, size_t(n));
    m_pos += n;
    return n;
}

void TSpecStream::loadFromFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(f.errorString());
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw Error(f.errorString());
    m_buffer = std::move(bytes);
    m_pos = 0;
}

void TSpecStream::saveToFile(const QString &path) const
{
    QSaveFile f(path);
    // Unbuffered, so that a failing write is seen before commit: commit does
    // not look at errors of its own final flush and would replace the file
    // with a cut-off one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Error(f.errorString());
    if (f.write(m_buffer) != m_buffer.size() || !f.flush() || !f.commit())
        throw Error(f.errorString());
}

// ---- Values ----------------------------------------------------------------

namespace {
constexpr int RecordSize = 16;

bool isPlainRecordKind(quint16 k)
{
    switch (ValueKind(k)) {
    case ValueKind::Empty: case ValueKind::Null: case ValueKind::SmallInt: case ValueKind::Integer:
    case ValueKind::Single: case ValueKind::Real: case ValueKind::Currency: case ValueKind::DateTime:
    case ValueKind::Boolean: case ValueKind::ShortInt: case ValueKind::Byte: case ValueKind::Word:
    case ValueKind::LongWord: case ValueKind::Int64:
        return true;
    default:
        return false;
    }
}
} // namespace

void WriteValue(TSpecStream &stream, const Value &value)
{
    if (value.kind() == ValueKind::String) {
        const QByteArray bytes = cp1251::encode(value.toString());
        char len[4];
        qToLittleEndian<qint32>(qint32(bytes.size()), len);
        stream.write(len, 4);
        stream.write(bytes.constData(), bytes.size());
        return;
    }
    char rec[RecordSize] = {};
    qToLittleEndian<quint16>(quint16(value.kind()), rec);
    switch (value.kind()) {
    case ValueKind::Integer:
        qToLittleEndian<qint32>(qint32(value.intPayload()), rec + 8);
        break;
    case ValueKind::Real:
    case ValueKind::DateTime: {
        const double d = value.toDouble();
        quint64 bits;
        std::memcpy(&bits, &d, 8);
        qToLittleEndian<quint64>(bits, rec + 8);
        break;
    }
    case ValueKind::Currency:
        qToLittleEndian<qint64>(value.intPayload(), rec + 8);
        break;
    case ValueKind::Boolean:
        qToLittleEndian<quint16>(value.toBool() ? 0xFFFF : 0x0000, rec + 8);
        break;
    case ValueKind::Byte:
        rec[8] = char(value.toByte());
        break;
    default:
        break; // empty: kind code only
    }
    stream.write(rec, RecordSize);
}

Value ReadValue(TSpecStream &stream, ValueKind templateKind)
{
    if (templateKind == ValueKind::String) {
        char len[4] = {};
        const qsizetype got = stream.read(len, 4);
        if (got == 0)
            return Value::string(QString());
        if (got < 4)
            throw StreamReadError(QStringLiteral("Обрыв данных в потоке: неполная длина строки."));
        const qint32 n = qFromLittleEndian<qint32>(len);
        if (n < 0)
            throw StreamReadError(QStringLiteral("Неверная длина строки в потоке: %1.").arg(n));
        if (n == 0)
            return Value::string(QString());
        // Never allocate more than the data that is actually there.
        const qsizetype avail = qMin<qsizetype>(n, stream.remaining());
        QByteArray bytes(avail, Qt::Uninitialized);
        const qsizetype read = stream.read(bytes.data(), avail);
        if (read < n) {
            ShowErrorBox(QStringLiteral("Ошибка чтения строки из потока!\r\nЗаказано: [") + QString::number(n)
                         + QStringLiteral(" символов], Считано: [") + QString::number(read)
                         + QStringLiteral(" символов]!"));
            throw StreamReadError(QStringLiteral("Обрыв данных в потоке: строка короче заявленной длины."));
        }
        const qsizetype zero = bytes.indexOf('\0');
        if (zero >= 0)
            bytes.truncate(zero);
        return Value::string(cp1251::decode(bytes));
    }

    char rec[RecordSize] = {};
    const qsizetype got = stream.read(rec, RecordSize);
    if (got == 0)
        return Value();
    if (got < RecordSize)
        throw StreamReadError(QStringLiteral("Обрыв данных в потоке: неполная запись значения."));
    const quint16 code = qFromLittleEndian<quint16>(rec);
    if (!isPlainRecordKind(code))
        throw StreamReadError(QStringLiteral("Неизвестный тип значения в потоке: %1.").arg(code));
    const char *p = rec + 8;
    auto asDouble = [p] {
        const quint64 bits = qFromLittleEndian<quint64>(p);
        double d;
        std::memcpy(&d, &bits, 8);
        return d;
    };
    const ValueKind kind = ValueKind(code);
    switch (kind) {
    case ValueKind::Empty:
    case ValueKind::Null:
        return Value();
    case ValueKind::SmallInt:
        return Value(kind, qint64(qFromLittleEndian<qint16>(p)));
    case ValueKind::Integer:
        return Value(kind, qint64(qFromLittleEndian<qint32>(p)));
    case ValueKind::Single: {
        const quint32 bits = qFromLittleEndian<quint32>(p);
        float f;
        std::memcpy(&f, &bits, 4);
        return Value(kind, double(f));
    }
    case ValueKind::Real:
    case ValueKind::DateTime:
        return Value(kind, asDouble());
    case ValueKind::Currency:
    case ValueKind::Int64:
        return Value(kind, qint64(qFromLittleEndian<qint64>(p)));
    case ValueKind::Boolean:
        return Value(kind, qint64(qFromLittleEndian<quint16>(p) != 0 ? -1 : 0));
    case ValueKind::ShortInt:
        return Value(kind, qint64(qint8(p[0])));
    case ValueKind::Byte:
        return Value(kind, qint64(quint8(p[0])));
    case ValueKind::Word:
        return Value(kind, qint64(qFromLittleEndian<quint16>(p)));
    case ValueKind::LongWord:
        return Value(kind, qint64(qFromLittleEndian<quint32>(p)));
    default:
        return Value();
    }
}

// ---- Stamps ----------------------------------------------------------------

int StampKey(const QString &stamp)
{
    const QStringList parts = stamp.split(QLatin1Char('.'));
    auto part = [&parts](int i) { return i < parts.size() ? parts.at(i).trimmed().toInt() : 0; };
    return part(2) * 365 + part(1) * 31 + part(0);
}

bool IsStampNotOlder(const QString &a, const QString &b) { return StampKey(a) >= StampKey(b); }
bool IsStampOlder(const QString &a, const QString &b) { return StampKey(a) < StampKey(b); }

} // namespace kv
