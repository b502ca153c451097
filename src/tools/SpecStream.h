#pragma once
// The value stream of every stored or copied model object: a flat sequence of
// tagged values in an in-memory byte buffer. Strings are a 32-bit length and
// Windows-1251 bytes; every other value is a 16-byte record (kind code, six
// reserved bytes, eight payload bytes), all little-endian.
#include "tools/Errors.h"
#include "tools/Money.h"

#include <QByteArray>
#include <QString>
#include <variant>

namespace kv {

enum class ValueKind : quint16 {
    Empty = 0,
    Null = 1,
    SmallInt = 2,
    Integer = 3,
    Single = 4,
    Real = 5,
    Currency = 6,
    DateTime = 7,
    Boolean = 11,
    ShortInt = 16,
    Byte = 17,
    Word = 18,
    LongWord = 19,
    Int64 = 20,
    String = 256, // only inside the program; strings never become a record
};

// One value read from or written to the stream.
class Value
{
public:
    Value() = default;
    static Value integer(qint32 v) { return Value(ValueKind::Integer, qint64(v)); }
    static Value real(double v) { return Value(ValueKind::Real, v); }
    static Value currency(Money v) { return Value(ValueKind::Currency, qint64(v.raw())); }
    static Value dateTime(double oleDate) { return Value(ValueKind::DateTime, oleDate); }
    static Value boolean(bool v) { return Value(ValueKind::Boolean, qint64(v ? -1 : 0)); }
    static Value byte(quint8 v) { return Value(ValueKind::Byte, qint64(v)); }
    static Value string(const QString &v) { Value r; r.m_kind = ValueKind::String; r.m_data = v; return r; }

    ValueKind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == ValueKind::Empty || m_kind == ValueKind::Null; }

    // The ordinary conversions: a field may be read from a record of another
    // numeric kind; an empty value gives 0, false or "".
    qint32 toInt() const;
    double toDouble() const;
    Money toMoney() const;
    bool toBool() const;
    quint8 toByte() const;
    QString toString() const;

    // Raw payload as stored (integers, currency raw count, Boolean -1/0).
    qint64 intPayload() const;

private:
    Value(ValueKind k, qint64 v) : m_kind(k), m_data(v) {}
    Value(ValueKind k, double v) : m_kind(k), m_data(v) {}
    friend Value ReadValue(class TSpecStream &, ValueKind);

    ValueKind m_kind = ValueKind::Empty;
    std::variant<std::monostate, qint64, double, QString> m_data;
};

// Raised when stored data cannot be a valid value sequence (a negative or
// too long string length, a cut-off record, an unknown kind code). It ends the
// whole load; file readers wrap its text in their own load message.
class StreamReadError : public Error
{
public:
    using Error::Error;
};

class TSpecStream
{
public:
    TSpecStream() = default;
    explicit TSpecStream(const QByteArray &data) : m_buffer(data) {}

    void write(const char *data, qsizetype size);
    // Copies up to size bytes from the position; returns how many were copied.
    qsizetype read(char *data, qsizetype size);
    void seek(qsizetype position) { m_pos = qBound<qsizetype>(0, position, m_buffer.size()); }
    qsizetype position() const { return m_pos; }
    qsizetype size() const { return m_buffer.size(); }
    qsizetype remaining() const { return m_buffer.size() - m_pos; }
    const QByteArray &data() const { return m_buffer; }
    void clear() { m_buffer.clear(); m_pos = 0; }

    // Whole-file transfer. Errors throw kv::Error with the system's text; the
    // file-level operations wrap it in their own message.
    void loadFromFile(const QString &path);
    void saveToFile(const QString &path) const; // atomic replace

private:
    QByteArray m_buffer;
    qsizetype m_pos = 0;
};

void WriteValue(TSpecStream &stream, const Value &value);
// Reads one value: a string when templateKind is String, otherwise a record of
// whatever kind it holds. Past the end of the data the result is empty.
Value ReadValue(TSpecStream &stream, ValueKind templateKind);

// Typed helpers, one per field type.
inline void WriteInt(TSpecStream &s, qint32 v) { WriteValue(s, Value::integer(v)); }
inline void WriteReal(TSpecStream &s, double v) { WriteValue(s, Value::real(v)); }
inline void WriteMoney(TSpecStream &s, Money v) { WriteValue(s, Value::currency(v)); }
inline void WriteDateTime(TSpecStream &s, double oleDate) { WriteValue(s, Value::dateTime(oleDate)); }
inline void WriteBool(TSpecStream &s, bool v) { WriteValue(s, Value::boolean(v)); }
inline void WriteByte(TSpecStream &s, quint8 v) { WriteValue(s, Value::byte(v)); }
inline void WriteString(TSpecStream &s, const QString &v) { WriteValue(s, Value::string(v)); }

inline qint32 ReadInt(TSpecStream &s) { return ReadValue(s, ValueKind::Integer).toInt(); }
inline double ReadReal(TSpecStream &s) { return ReadValue(s, ValueKind::Real).toDouble(); }
inline float ReadSingle(TSpecStream &s) { return float(ReadReal(s)); }
inline Money ReadMoney(TSpecStream &s) { return ReadValue(s, ValueKind::Currency).toMoney(); }
inline double ReadDateTime(TSpecStream &s) { return ReadValue(s, ValueKind::DateTime).toDouble(); }
inline bool ReadBool(TSpecStream &s) { return ReadValue(s, ValueKind::Boolean).toBool(); }
inline quint8 ReadByte(TSpecStream &s) { return ReadValue(s, ValueKind::Byte).toByte(); }
inline QString ReadString(TSpecStream &s) { return ReadValue(s, ValueKind::String).toString(); }

// Format stamps "dd.mm.yyyy", compared by year*365 + month*31 + day (not by the
// calendar; every stamp in use keeps its calendar order under this key).
int StampKey(const QString &stamp);
bool IsStampNotOlder(const QString &a, const QString &b);
bool IsStampOlder(const QString &a, const QString &b);

namespace stamps {
inline const QString Order = QStringLiteral("26.12.2019");     // order files and position copies
inline const QString Selection = QStringLiteral("06.10.2015"); // selection files
} // namespace stamps

} // namespace kv
