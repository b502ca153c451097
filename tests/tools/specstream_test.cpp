#include "tools/Messages.h"
#include "tools/SpecStream.h"

#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>
#include <QtEndian>
#include <cmath>
#include <csignal>
#include <sys/resource.h>

using namespace kv;

namespace {

struct ErrorRecorder : MessageSink
{
    QStringList errors;
    MessageSink *previous = setMessageSink(this);
    ~ErrorRecorder() override { setMessageSink(previous); }
    void showError(const QString &t) override { errors << t; }
    void showWarning(const QString &) override {}
    void showInfo(const QString &) override {}
    bool askOkCancel(const QString &) override { return false; }
    bool askOkAbort(const QString &) override { return false; }
    int askTwoButtons(const QString &, const QString &, const QString &, const QString &) override { return 0; }
};

QByteArray hex(const char *h) { return QByteArray::fromHex(h); }

} // namespace

TEST(SpecStream, WritesTheExactByteLayout)
{
    struct Case { const char *name; Value value; const char *bytes; };
    const Case cases[] = {
        {"empty string", Value::string(QString()), "00000000"},
        {"cyrillic string", Value::string(QStringLiteral("Ёж")), "02000000a8e6"},
        {"integer", Value::integer(-2), "0300000000000000feffffff00000000"},
        {"real", Value::real(1.5), "0500000000000000000000000000f83f"},
        {"currency", Value::currency(Money::fromRaw(123456)), "060000000000000040e2010000000000"},
        {"date", Value::dateTime(2.75), "07000000000000000000000000000640"},
        {"true", Value::boolean(true), "0b00000000000000ffff000000000000"},
        {"false", Value::boolean(false), "0b000000000000000000000000000000"},
        {"byte", Value::byte(200), "1100000000000000c800000000000000"},
    };
    for (const Case &c : cases) {
        TSpecStream s;
        WriteValue(s, c.value);
        EXPECT_EQ(s.data().toHex(), QByteArray(c.bytes)) << c.name;
    }
}

TEST(SpecStream, ReadsBackEveryTypedField)
{
    TSpecStream s;
    WriteInt(s, 123456789);
    WriteReal(s, -0.1);
    WriteMoney(s, Money::fromRaw(-98765));
    WriteDateTime(s, 43825.5);
    WriteBool(s, true);
    WriteByte(s, 255);
    WriteString(s, QStringLiteral("Фурнитура \"Альфа\""));
    WriteString(s, QString());
    s.seek(0);
    EXPECT_EQ(ReadInt(s), 123456789);
    EXPECT_DOUBLE_EQ(ReadReal(s), -0.1);
    EXPECT_EQ(ReadMoney(s).raw(), -98765);
    EXPECT_DOUBLE_EQ(ReadDateTime(s), 43825.5);
    EXPECT_TRUE(ReadBool(s));
    EXPECT_EQ(ReadByte(s), 255);
    EXPECT_EQ(ReadString(s), QStringLiteral("Фурнитура \"Альфа\""));
    EXPECT_EQ(ReadString(s), QString());
    EXPECT_EQ(s.remaining(), 0);
}

TEST(SpecStream, FieldsConvertAcrossNumericKinds)
{
    TSpecStream s;
    WriteInt(s, 5);
    WriteReal(s, 2.5);
    WriteMoney(s, Money::fromRaw(35000));
    WriteBool(s, true);
    s.seek(0);
    EXPECT_DOUBLE_EQ(ReadReal(s), 5.0);
    EXPECT_EQ(ReadInt(s), 2);             // real read as integer: ties to even
    EXPECT_EQ(ReadInt(s), 4);             // 3.5 in currency read as integer
    EXPECT_EQ(ReadInt(s), -1);            // Boolean true is -1 as a number

    // A string template misreads a record as a length: layouts must agree.
    TSpecStream t;
    WriteInt(t, 5);
    t.seek(0);
    EXPECT_EQ(ReadString(t), QStringLiteral("")); // kind code 3 read as length 3...
    EXPECT_EQ(t.position(), 7);                   // ...and three bytes consumed
}

TEST(SpecStream, StringStopsAtEmbeddedZero)
{
    TSpecStream s(hex("05000000616200636400"));
    EXPECT_EQ(ReadString(s), QStringLiteral("ab"));
    EXPECT_EQ(s.position(), 9);
}

TEST(SpecStream, EndOfDataAtAValueBoundaryGivesEmptyFields)
{
    TSpecStream s;
    WriteInt(s, 7);
    s.seek(0);
    EXPECT_EQ(ReadInt(s), 7);
    EXPECT_EQ(ReadInt(s), 0);
    EXPECT_DOUBLE_EQ(ReadReal(s), 0.0);
    EXPECT_FALSE(ReadBool(s));
    EXPECT_EQ(ReadMoney(s).raw(), 0);
    EXPECT_EQ(ReadString(s), QString());
}

TEST(SpecStream, DamagedDataEndsTheLoadWithAReadError)
{
    struct Case { const char *name; QByteArray data; ValueKind kind; bool reportsShortString; };
    const Case cases[] = {
        {"negative string length", hex("ffffffff"), ValueKind::String, false},
        {"huge string length", hex("ffffff7f6162"), ValueKind::String, true},
        {"string cut short", hex("0a000000616263"), ValueKind::String, true},
        {"length cut off", hex("0500"), ValueKind::String, false},
        {"record cut off", hex("03000000000000000500"), ValueKind::Integer, false},
        {"pointer kind", hex("0900000000000000efbeadde00000000"), ValueKind::Integer, false},
        {"string kind in a record", hex("0001000000000000efbeadde00000000"), ValueKind::Integer, false},
        {"unknown kind", hex("3412000000000000efbeadde00000000"), ValueKind::Real, false},
    };
    for (const Case &c : cases) {
        ErrorRecorder rec;
        TSpecStream s(c.data);
        EXPECT_THROW(ReadValue(s, c.kind), StreamReadError) << c.name;
        EXPECT_EQ(rec.errors.size(), c.reportsShortString ? 1 : 0) << c.name;
    }
}

TEST(SpecStream, ShortStringIsReportedWithRequestedAndReadCounts)
{
    ErrorRecorder rec;
    TSpecStream s(hex("0a000000616263"));
    EXPECT_THROW(ReadString(s), StreamReadError);
    ASSERT_EQ(rec.errors.size(), 1);
    EXPECT_EQ(rec.errors.first(),
              QStringLiteral("Ошибка чтения строки из потока!\r\nЗаказано: [10 символов], Считано: [3 символов]!"));
}

TEST(SpecStream, StampsCompareByTheirKey)
{
    struct Case { const char *a; const char *b; bool notOlder; };
    const Case cases[] = {
        {"26.12.2019", "10.12.2009", true},
        {"06.10.2015", "26.12.2019", false},
        {"26.12.2019", "26.12.2019", true},
        {" 23.07.2019", "03.03.2019 ", true},
        {"31.12.2018", "01.01.2019", true}, // key order, not the calendar
        {"31.01.2019", "01.02.2019", false},
    };
    for (const Case &c : cases) {
        const QString a = QString::fromLatin1(c.a), b = QString::fromLatin1(c.b);
        EXPECT_EQ(IsStampNotOlder(a, b), c.notOlder) << c.a << " vs " << c.b;
        EXPECT_EQ(IsStampOlder(a, b), !c.notOlder) << c.a << " vs " << c.b;
    }
    EXPECT_EQ(StampKey(QStringLiteral("31.01.2019")), 736997);
    EXPECT_EQ(StampKey(QStringLiteral("31.12.2018")), 736973);
}

TEST(SpecStream, FilesRoundTripWholeAndReportMissingFiles)
{
    const QString path = QDir(kvtest::scratchDir()).filePath(QStringLiteral("stream.bin"));
    TSpecStream out;
    WriteString(out, QStringLiteral("Karvelo"));
    WriteInt(out, 42);
    out.saveToFile(path);
    out.saveToFile(path); // replacing an existing file

    TSpecStream in;
    in.loadFromFile(path);
    EXPECT_EQ(in.data(), out.data());
    EXPECT_EQ(ReadString(in), QStringLiteral("Karvelo"));
    EXPECT_EQ(ReadInt(in), 42);

    TSpecStream missing;
    EXPECT_THROW(missing.loadFromFile(path + QStringLiteral(".none")), Error);
    EXPECT_THROW(out.saveToFile(QStringLiteral("/nonexistent-dir/x.bin")), Error);
}

TEST(SpecStream, FailedWriteKeepsThePreviousFile)
{
    const QString path = QDir(kvtest::scratchDir()).filePath(QStringLiteral("keep.bin"));
    TSpecStream first;
    WriteString(first, QStringLiteral("first"));
    first.saveToFile(path);

    TSpecStream second;
    for (int i = 0; i < 20; ++i)
        WriteInt(second, i);
    // A file size limit below the new content makes its write fail for any user.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    bool thrown = false;
    try {
        second.saveToFile(path);
    } catch (const Error &) {
        thrown = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_TRUE(thrown);
    EXPECT_EQ(kvtest::readFile(path), first.data());
    EXPECT_EQ(QDir(kvtest::scratchDir()).entryList({QStringLiteral("keep.bin*")}, QDir::Files),
              QStringList{"keep.bin"});
}

TEST(SpecStream, NumbersBeyondTheFieldAreAReadError)
{
    // Damaged data can put any number where a field expects an integer or an
    // amount: the conversion ends the load instead of wrapping the value.
    struct Case {
        const char *name;
        Value stored;
        bool intFits, moneyFits;
    };
    const Case cases[] = {
        {"real 2147483647.4", Value::real(2147483647.4), true, true},
        {"real 2147483647.5 rounds past the top", Value::real(2147483647.5), false, true},
        {"real -2147483648.5 rounds to the bottom", Value::real(-2147483648.5), true, true},
        {"real -2147483649", Value::real(-2147483649.0), false, true},
        {"real 1e300", Value::real(1e300), false, false},
        {"date-time -1e19", Value::dateTime(-1e19), false, false},
        {"currency 300000 units", Value::currency(Money::fromUnits(300000)), true, true},
        {"currency 900000000000 units", Value::currency(Money::fromUnits(900000000000LL)), false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TSpecStream s;
        WriteValue(s, c.stored);
        s.seek(0);
        if (c.intFits)
            EXPECT_NO_THROW(ReadInt(s));
        else
            EXPECT_THROW(ReadInt(s), StreamReadError);
        s.seek(0);
        if (c.moneyFits)
            EXPECT_NO_THROW(ReadMoney(s));
        else
            EXPECT_THROW(ReadMoney(s), StreamReadError);
    }

    // Records of the wider integer kinds, as another program may write them.
    auto record = [](ValueKind kind, qint64 payload) {
        QByteArray r(16, '\0');
        qToLittleEndian<quint16>(quint16(kind), r.data());
        qToLittleEndian<qint64>(payload, r.data() + 8);
        return r;
    };
    TSpecStream wide(record(ValueKind::Int64, 5000000000LL) + record(ValueKind::LongWord, 4000000000LL)
                     + record(ValueKind::Int64, -7) + record(ValueKind::Int64, 1000000000000000LL));
    EXPECT_THROW(ReadInt(wide), StreamReadError);
    EXPECT_THROW(ReadInt(wide), StreamReadError);
    EXPECT_EQ(ReadInt(wide), -7);
    EXPECT_THROW(ReadMoney(wide), StreamReadError) << "10^15 units do not fit in 1/10000";

    // Non-finite reals keep reading as 0.
    TSpecStream nan;
    WriteReal(nan, std::nan(""));
    nan.seek(0);
    EXPECT_EQ(ReadInt(nan), 0);
}
