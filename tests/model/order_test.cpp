// Orders: the order file in every stamp variant (bytes written value by value),
// round trips, conversion and newer-version handling, damaged files, failed
// saves, totals and VAT, finding, iterating, sorting and collecting materials.
#include "model/ModelStream.h"
#include "model/Order.h"
#include "tools/RecordingMessages.h"
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <cmath>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>

using namespace kv;
using Kind = RecordingMessageSink::Kind;

namespace {

Money money(const char *text) { return *Money::parse(QString::fromLatin1(text)); }

bool older(const QString &stamp, const char *than) { return IsStampOlder(stamp, QString::fromLatin1(than)); }

// A one-sash position with empty outlines as a program of that stamp wrote it.
// Before 23.07.2019 the dorn belongs to the position, later to each sash.
void writePosition(TSpecStream &s, const QString &stamp, const QString &posNo)
{
    WriteBool(s, posNo != QStringLiteral("002"));
    WriteString(s, posNo);
    WriteString(s, QStringLiteral("Окно ") + posNo);
    WriteInt(s, 2);
    WriteByte(s, 0);
    WriteString(s, QStringLiteral("SYS"));
    WriteString(s, QStringLiteral("PROF"));
    WriteString(s, QStringLiteral("WHITE"));
    if (older(stamp, "10.12.2009")) {
        WriteString(s, QStringLiteral("legacy 1"));
        WriteString(s, QStringLiteral("legacy 2"));
    }
    WriteInt(s, 11);
    if (older(stamp, "23.07.2019"))
        WriteInt(s, 55);
    WriteInt(s, 12);
    WriteReal(s, 68.0);
    WriteReal(s, 76.5);
    WriteInt(s, 13);
    WriteMoney(s, money("10.5000"));
    WriteString(s, QStringLiteral("примечание\r\n"));
    WriteByte(s, 2);
    for (qint32 sashDorn : {8, 9}) {
        WriteInt(s, 0); // points
        WriteInt(s, 0); // sides
        if (!older(stamp, "23.07.2019"))
            WriteInt(s, sashDorn);
        WriteBool(s, false); // no composition
        WriteInt(s, 0);      // materials
    }
}

// Hooks for writing damaged files: each may replace one part of the layout.
struct Damage
{
    std::function<void(TSpecStream &)> afterStamp;    // instead of values 3-7
    std::optional<qint32> positionCount;              // instead of the true count
};

// A whole order file as a program of that stamp wrote it.
QByteArray orderBytes(const QString &stamp, const Damage &damage = {})
{
    TSpecStream s;
    WriteString(s, QStringLiteral("Karvelo Furniture Order File"));
    WriteString(s, stamp);
    if (damage.afterStamp) {
        damage.afterStamp(s);
    } else {
        WriteInt(s, 101);
        WriteInt(s, 102);
        WriteDateTime(s, 45000.25);
        WriteDateTime(s, 45001.5);
        WriteInt(s, 103);
    }
    for (const char *v : {"З-17", "SRV-9", "ООО «Окна»", "Школа №5", "ул. Ленина, 1", "+7 900", "срочно"})
        WriteString(s, QString::fromUtf8(v));
    WriteDateTime(s, 45000.0);
    WriteBool(s, false);
    for (const char *v : {"PS", "Белый", "Дуб", "FS", "Латунь", "H1"})
        WriteString(s, QString::fromUtf8(v));
    if (older(stamp, "10.12.2009")) {
        WriteString(s, QStringLiteral("old a"));
        WriteString(s, QStringLiteral("old b"));
    } else {
        for (qint32 v : {4, 5, 6, 7})
            WriteInt(s, v);
    }
    WriteInt(s, 3);
    WriteReal(s, 18.5);
    WriteBool(s, true);
    WriteBool(s, true);
    WriteInt(s, 2);
    WriteInt(s, 840);
    WriteReal(s, 92.25);
    WriteInt(s, 978);
    WriteReal(s, 100.5);
    WriteInt(s, 643);
    WriteString(s, QStringLiteral("первая\r\nвторая\r\n"));
    WriteInt(s, damage.positionCount.value_or(2));
    writePosition(s, stamp, QStringLiteral("001"));
    writePosition(s, stamp, QStringLiteral("002"));
    return s.data();
}

// The values orderBytes writes, as a loaded order must show them.
void expectWrittenOrder(const TkvfOrder &o, bool technicalTypes, qint32 dorn1, qint32 dorn2)
{
    EXPECT_EQ(o.Signature, QStringLiteral("Karvelo Furniture Order File"));
    EXPECT_EQ(o.Reserved1, 101);
    EXPECT_EQ(o.Reserved2, 102);
    EXPECT_EQ(o.Created, 45000.25);
    EXPECT_EQ(o.Created2, 45001.5);
    EXPECT_EQ(o.Reserved3, 103);
    EXPECT_EQ(o.OrderNo, QStringLiteral("З-17"));
    EXPECT_EQ(o.AltOrderNo, QStringLiteral("SRV-9"));
    EXPECT_EQ(o.Customer, QStringLiteral("ООО «Окна»"));
    EXPECT_EQ(o.ObjectName, QStringLiteral("Школа №5"));
    EXPECT_EQ(o.Address, QStringLiteral("ул. Ленина, 1"));
    EXPECT_EQ(o.Phone, QStringLiteral("+7 900"));
    EXPECT_EQ(o.Remark, QStringLiteral("срочно"));
    EXPECT_EQ(o.OrderDate, 45000.0);
    EXPECT_FALSE(o.OrderDateSet);
    EXPECT_EQ(o.ProfSys, QStringLiteral("PS"));
    EXPECT_EQ(o.InnerColor, QStringLiteral("Белый"));
    EXPECT_EQ(o.OuterColor, QStringLiteral("Дуб"));
    EXPECT_EQ(o.FurnSys, QStringLiteral("FS"));
    EXPECT_EQ(o.FurnColor, QStringLiteral("Латунь"));
    EXPECT_EQ(o.Handle, QStringLiteral("H1"));
    EXPECT_EQ(o.FalzType, technicalTypes ? 4 : 0);
    EXPECT_EQ(o.DornType, technicalTypes ? 5 : 0);
    EXPECT_EQ(o.StulpType, technicalTypes ? 6 : 0);
    EXPECT_EQ(o.OpenType, technicalTypes ? 7 : 0);
    EXPECT_EQ(o.PriceGroupNo, 3);
    EXPECT_EQ(o.NDSTax, 18.5f);
    EXPECT_TRUE(o.GetTotalNDS);
    EXPECT_TRUE(o.ShowIncludeNDS);
    ASSERT_EQ(o.RateCount(), 2);
    EXPECT_EQ(o.Rate(0).ID, 840);
    EXPECT_EQ(o.Rate(0).Rate, 92.25f);
    EXPECT_EQ(o.Rate(1).ID, 978);
    EXPECT_EQ(o.Rate(1).Rate, 100.5f);
    EXPECT_EQ(o.Currency, 643);
    EXPECT_EQ(o.Notes, (QStringList{"первая", "вторая"}));
    EXPECT_EQ(o.Material, 0);
    ASSERT_EQ(o.PositionCount(), 2);
    for (int i = 0; i < 2; ++i) {
        const TkvfConstruction &p = o.Position(i);
        EXPECT_EQ(p.Order, &o);
        EXPECT_EQ(p.PosNo, QStringLiteral("00%1").arg(i + 1));
        EXPECT_EQ(p.Checked, i == 0);
        EXPECT_EQ(p.Count, 2);
        EXPECT_EQ(p.FalzType, 11);
        EXPECT_EQ(p.UnitCost, money("10.5000"));
        EXPECT_EQ(p.Notes, QStringList{"примечание"});
        EXPECT_EQ(p.Arrangement, TkvfConstruction::SingleSash);
        EXPECT_EQ(p.Sash1().Dorn, dorn1);
        EXPECT_EQ(p.Sash2().Dorn, dorn2);
    }
}

// An order with something in it, to see that failed loads leave it alone.
void fillKeeper(TkvfOrder &o)
{
    o.OrderNo = QStringLiteral("KEEP");
    o.Notes = QStringList{"keep"};
    o.Rates.add(1, 2.0f);
    o.AddPosition().PosNo = QStringLiteral("P1");
}

void expectKeeper(const TkvfOrder &o)
{
    EXPECT_EQ(o.OrderNo, QStringLiteral("KEEP"));
    EXPECT_EQ(o.Notes, QStringList{"keep"});
    EXPECT_EQ(o.RateCount(), 1);
    ASSERT_EQ(o.PositionCount(), 1);
    EXPECT_EQ(o.Position(0).PosNo, QStringLiteral("P1"));
    EXPECT_EQ(o.Position(0).Order, &o);
}

QString scratchFile(const QString &name)
{
    return QDir(kvtest::scratchDir()).filePath(name);
}

} // namespace

TEST(OrderFile, NewOrderKeepsEveryStoredFieldThroughAFile)
{
    RecordingMessages messages;
    TkvfOrder o;
    EXPECT_EQ(o.Stamp, QStringLiteral("26.12.2019"));
    EXPECT_TRUE(o.OrderDateSet);
    EXPECT_GT(o.Created, 40000.0) << "created now";
    EXPECT_EQ(o.OrderDate, std::floor(o.OrderDate)) << "the order date has no time";

    o.Reserved1 = 7;
    o.Reserved2 = -8;
    o.Created = 45123.75;
    o.Created2 = 45124.125;
    o.Reserved3 = 9;
    o.OrderNo = QStringLiteral("Ж-1");
    o.AltOrderNo = QStringLiteral("alt");
    o.Customer = QStringLiteral("Заказчик");
    o.ObjectName = QStringLiteral("Объект");
    o.Address = QStringLiteral("Адрес");
    o.Phone = QStringLiteral("123");
    o.Remark = QStringLiteral("метка");
    o.OrderDate = 45100;
    o.OrderDateSet = false;
    o.ProfSys = QStringLiteral("P");
    o.InnerColor = QStringLiteral("I");
    o.OuterColor = QStringLiteral("O");
    o.FurnSys = QStringLiteral("F");
    o.FurnColor = QStringLiteral("C");
    o.Handle = QStringLiteral("H");
    o.Material = 17;
    o.FalzType = 1;
    o.DornType = 2;
    o.StulpType = 3;
    o.OpenType = 4;
    o.PriceGroupNo = 5;
    o.NDSTax = 19.6f;
    o.GetTotalNDS = true;
    o.ShowIncludeNDS = true;
    o.Rates.add(840, 91.1f);
    o.Currency = 840;
    o.Notes = QStringList{"a", "", "b"};
    TkvfConstruction &p = o.AddPosition();
    p.PosNo = QStringLiteral("01");
    p.PosName = QStringLiteral("Дверь");
    p.Count = 4;
    p.UnitCost = money("1.2345");

    const QString file = scratchFile(QStringLiteral("new.kfo370"));
    ASSERT_TRUE(o.SaveToFile(file));

    TkvfOrder back;
    EXPECT_EQ(back.LoadFromFile(file), (TkvfLoadResult{true, false}));
    EXPECT_TRUE(messages.isEmpty()) << messages.texts().join("|").toStdString();
    EXPECT_EQ(back.Stamp, QStringLiteral("26.12.2019"));
    EXPECT_EQ(back.Reserved1, 7);
    EXPECT_EQ(back.Reserved2, -8);
    EXPECT_EQ(back.Created, 45123.75);
    EXPECT_EQ(back.Created2, 45124.125);
    EXPECT_EQ(back.Reserved3, 9);
    EXPECT_EQ(back.OrderNo, o.OrderNo);
    EXPECT_EQ(back.AltOrderNo, o.AltOrderNo);
    EXPECT_EQ(back.Customer, o.Customer);
    EXPECT_EQ(back.ObjectName, o.ObjectName);
    EXPECT_EQ(back.Address, o.Address);
    EXPECT_EQ(back.Phone, o.Phone);
    EXPECT_EQ(back.Remark, o.Remark);
    EXPECT_EQ(back.OrderDate, 45100.0);
    EXPECT_FALSE(back.OrderDateSet);
    EXPECT_EQ(back.ProfSys, o.ProfSys);
    EXPECT_EQ(back.InnerColor, o.InnerColor);
    EXPECT_EQ(back.OuterColor, o.OuterColor);
    EXPECT_EQ(back.FurnSys, o.FurnSys);
    EXPECT_EQ(back.FurnColor, o.FurnColor);
    EXPECT_EQ(back.Handle, o.Handle);
    EXPECT_EQ(back.Material, 0) << "not stored";
    EXPECT_EQ(back.FalzType, 1);
    EXPECT_EQ(back.DornType, 2);
    EXPECT_EQ(back.StulpType, 3);
    EXPECT_EQ(back.OpenType, 4);
    EXPECT_EQ(back.PriceGroupNo, 5);
    EXPECT_EQ(back.NDSTax, 19.6f);
    EXPECT_TRUE(back.GetTotalNDS);
    EXPECT_TRUE(back.ShowIncludeNDS);
    ASSERT_EQ(back.RateCount(), 1);
    EXPECT_EQ(back.Rate(0).ID, 840);
    EXPECT_EQ(back.Rate(0).Rate, 91.1f);
    EXPECT_EQ(back.Currency, 840);
    EXPECT_EQ(back.Notes, o.Notes);
    ASSERT_EQ(back.PositionCount(), 1);
    EXPECT_EQ(back.Position(0).Order, &back);
    EXPECT_EQ(back.Position(0).PosName, QStringLiteral("Дверь"));
    EXPECT_EQ(back.Position(0).Count, 4);
    EXPECT_EQ(back.Position(0).UnitCost, money("1.2345"));

    // And the file it writes again is the same file.
    const QString again = scratchFile(QStringLiteral("again.kfo370"));
    ASSERT_TRUE(back.SaveToFile(again));
    EXPECT_EQ(kvtest::readFile(again).toHex(), kvtest::readFile(file).toHex());
}

TEST(OrderFile, CurrentLayoutRoundTripsByteForByte)
{
    RecordingMessages messages;
    const QByteArray original = orderBytes(stamps::Order);
    TkvfOrder o;
    ASSERT_EQ(o.LoadFromData(original), (TkvfLoadResult{true, false}));
    EXPECT_TRUE(messages.isEmpty());
    expectWrittenOrder(o, true, 8, 9);
    TSpecStream out;
    o.SaveToStream(out);
    EXPECT_EQ(out.data().toHex(), original.toHex());
}

TEST(OrderFile, OlderStampsAskAndReadTheirOwnLayout)
{
    struct Case {
        const char *stamp;
        bool technicalTypes; // FalzType..OpenType stored (else two strings)
        qint32 dorn1, dorn2; // sash dorns after loading
    };
    const Case cases[] = {
        {"01.06.2008", false, 55, 55}, // two strings, dorn per position
        {"10.12.2009", true, 55, 55},
        {"06.10.2015", true, 55, 55},
        {"03.03.2019", true, 55, 55},
        {"23.07.2019", true, 8, 9}, // dorn per sash
        {"01.01.2020", true, 8, 9}, // later in the calendar, older by the stamp key
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stamp);
        const QString stamp = QString::fromLatin1(c.stamp);
        const QByteArray bytes = orderBytes(stamp);

        // The layout itself: every stored value read, the lacking ones at their defaults.
        {
            TSpecStream s(bytes);
            TkvfOrder o;
            o.LoadFromStream(s);
            EXPECT_EQ(s.remaining(), 0);
            EXPECT_EQ(o.Stamp, stamp);
            expectWrittenOrder(o, c.technicalTypes, c.dorn1, c.dorn2);
        }

        // Cancel: nothing loaded, nothing changed.
        {
            RecordingMessages messages;
            messages.queueAnswer(false);
            TkvfOrder o;
            fillKeeper(o);
            EXPECT_EQ(o.LoadFromData(bytes), (TkvfLoadResult{false, false}));
            expectKeeper(o);
            ASSERT_EQ(messages.calls().size(), 1);
            EXPECT_EQ(messages.calls()[0].kind, Kind::OkCancel);
            EXPECT_EQ(messages.calls()[0].text,
                      QStringLiteral("Необходимо конвертировать файл заказа!\r\nЗагружаемая версия: ")
                          + stamp + QStringLiteral("\r\nТекущая версия: 26.12.2019"));
        }

        // OK: loaded and converted; the next save writes the current layout.
        {
            RecordingMessages messages;
            messages.queueAnswer(true);
            TkvfOrder o;
            fillKeeper(o);
            EXPECT_EQ(o.LoadFromData(bytes), (TkvfLoadResult{true, true}));
            EXPECT_EQ(messages.count(Kind::OkCancel), 1);
            EXPECT_EQ(messages.calls().size(), 1);
            expectWrittenOrder(o, c.technicalTypes, c.dorn1, c.dorn2);

            const QString file = scratchFile(QStringLiteral("converted.kfo370"));
            ASSERT_TRUE(o.SaveToFile(file));
            EXPECT_EQ(o.Stamp, stamps::Order);
            TkvfOrder again;
            EXPECT_EQ(again.LoadFromFile(file), (TkvfLoadResult{true, false}));
            EXPECT_EQ(messages.calls().size(), 1) << "no second question";
            expectWrittenOrder(again, c.technicalTypes, c.dorn1, c.dorn2);
        }
    }
}

TEST(OrderFile, NewerStampIsRefusedWithAWarning)
{
    RecordingMessages messages;
    messages.setDefaultAnswer(true);
    TkvfOrder o;
    fillKeeper(o);
    EXPECT_EQ(o.LoadFromData(orderBytes(QStringLiteral("01.06.2020"))), (TkvfLoadResult{false, false}));
    expectKeeper(o);
    ASSERT_EQ(messages.calls().size(), 1);
    EXPECT_EQ(messages.calls()[0].kind, Kind::Warning);
    EXPECT_EQ(messages.calls()[0].text,
              QStringLiteral("Вы пытаетесь открыть заказ, созданный более новой версией программы, "
                             "чем текущая.\r\nДанный модуль технолога поддерживает файлы заказа\r\n"
                             "версии не старше: 26.12.2019!\r\nЗагружаемая версия: 01.06.2020"));
}

TEST(OrderFile, DamagedFilesGiveTheLoadErrorAndChangeNothing)
{
    const QByteArray good = orderBytes(stamps::Order);
    auto cut = [&](qsizetype n) { return good.left(n); };
    // Offset of value 8 (OrderNo): signature (4 + 28), stamp (4 + 10), five records.
    const qsizetype orderNoAt = 32 + 14 + 5 * 16;
    auto patched = [&](qsizetype at, const QByteArray &bytes) {
        QByteArray b = good;
        b.replace(at, bytes.size(), bytes);
        return b;
    };
    struct Case {
        const char *name;
        QByteArray data;
        bool converted = false;
    };
    const Case cases[] = {
        {"empty file", QByteArray()},
        {"not a stamp", orderBytes(QStringLiteral("Karvelo"))},
        {"stamp that is no day", orderBytes(QStringLiteral("31.02.2019"))},
        {"string cut off", cut(orderNoAt + 6)},
        {"record cut off", cut(good.size() - 8)},
        {"negative string length", patched(orderNoAt, QByteArray::fromHex("feffffff"))},
        {"unknown value kind", patched(32 + 14, QByteArray::fromHex("0900"))},
        {"absurd position count", orderBytes(stamps::Order, {{}, 100000000})},
        {"negative position count", orderBytes(stamps::Order, {{}, -2})},
        {"older file, damaged after the question", orderBytes(QStringLiteral("06.10.2015")).chopped(3), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RecordingMessages messages;
        messages.setDefaultAnswer(true);
        TkvfOrder o;
        fillKeeper(o);
        EXPECT_EQ(o.LoadFromData(c.data), (TkvfLoadResult{false, c.converted}));
        expectKeeper(o);
        ASSERT_FALSE(messages.isEmpty());
        const auto &last = messages.calls().back();
        EXPECT_EQ(last.kind, Kind::Error);
        EXPECT_TRUE(last.text.startsWith(QStringLiteral("Ошибка загрузки заказа!\r\n(")))
            << last.text.toStdString();
        EXPECT_TRUE(last.text.endsWith(QLatin1Char(')')));
    }

    // The same through a file, and a file that is not there.
    RecordingMessages messages;
    const QString file = scratchFile(QStringLiteral("damaged.kfo370"));
    kvtest::writeFile(file, cut(orderNoAt + 6));
    TkvfOrder o;
    fillKeeper(o);
    EXPECT_EQ(o.LoadFromFile(file), (TkvfLoadResult{false, false}));
    EXPECT_EQ(o.LoadFromFile(scratchFile(QStringLiteral("missing.kfo370"))), (TkvfLoadResult{false, false}));
    expectKeeper(o);
    const QStringList errors = messages.texts(Kind::Error);
    ASSERT_FALSE(errors.isEmpty());
    EXPECT_TRUE(errors.last().startsWith(QStringLiteral("Ошибка загрузки заказа!\r\n(")));

    // An empty name is no file: no message.
    messages.clear();
    EXPECT_EQ(o.LoadFromFile(QString()), (TkvfLoadResult{false, false}));
    EXPECT_FALSE(o.SaveToFile(QString()));
    EXPECT_TRUE(messages.isEmpty());
}

TEST(OrderFile, SignatureIsWrittenButNotRequired)
{
    // Files of earlier program generations carry another signature.
    RecordingMessages messages;
    QByteArray bytes = orderBytes(stamps::Order);
    bytes.replace(4, 7, "Tessaro");
    TkvfOrder o;
    EXPECT_EQ(o.LoadFromData(bytes), (TkvfLoadResult{true, false}));
    EXPECT_EQ(o.Signature, QStringLiteral("Tessaro Furniture Order File"));
    TSpecStream out;
    o.SaveToStream(out);
    EXPECT_EQ(out.data().mid(4, 28), QByteArray("Karvelo Furniture Order File"));
}

namespace {

// Saves a first version, breaks the next save with breakSave, and checks that
// the failure is reported and the first version is still there byte for byte.
void expectFailedSaveKeepsTheFile(const QString &dir, const std::function<void()> &breakSave,
                                  const std::function<void()> &repair)
{
    RecordingMessages messages;
    const QString file = QDir(dir).filePath(QStringLiteral("order.kfo370"));
    TkvfOrder o;
    o.OrderNo = QStringLiteral("first");
    ASSERT_TRUE(o.SaveToFile(file));
    const QByteArray before = kvtest::readFile(file);
    ASSERT_FALSE(before.isEmpty());

    o.OrderNo = QStringLiteral("second, longer than the first");
    for (int i = 0; i < 3; ++i)
        o.AddPosition().PosNo = QString::number(i);
    breakSave();
    const bool saved = o.SaveToFile(file);
    repair();
    EXPECT_FALSE(saved);
    EXPECT_EQ(kvtest::readFile(file).toHex(), before.toHex());
    ASSERT_EQ(messages.count(Kind::Error), 1);
    EXPECT_TRUE(messages.texts(Kind::Error)[0].startsWith(QStringLiteral("Ошибка сохранения заказа!\r\n(")))
        << messages.texts(Kind::Error)[0].toStdString();
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"order.kfo370"}) << "no temporary left behind";
}

} // namespace

TEST(OrderFile, FailedSaveInAReadOnlyDirectoryKeepsThePreviousFile)
{
    const QString dir = scratchFile(QStringLiteral("readonly"));
    ASSERT_TRUE(QDir().mkpath(dir));
    const auto writable = QFile::permissions(dir);
    // Whether the directory really refuses new files for this user (root ignores it).
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(QDir(dir).filePath(QStringLiteral("probe")));
    const bool refused = !probe.open(QIODevice::WriteOnly);
    probe.remove();
    QFile::setPermissions(dir, writable);
    if (!refused)
        GTEST_SKIP() << "this user may write into read-only directories";
    expectFailedSaveKeepsTheFile(
        dir, [&] { QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner); },
        [&] { QFile::setPermissions(dir, writable); });
}

TEST(OrderFile, FailedWriteKeepsThePreviousFile)
{
    // The file size limit makes the write of the new content fail for any user.
    const QString dir = scratchFile(QStringLiteral("limited"));
    ASSERT_TRUE(QDir().mkpath(dir));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*previousHandler)(int) = SIG_DFL;
    expectFailedSaveKeepsTheFile(
        dir,
        [&] {
            previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = 100;
            setrlimit(RLIMIT_FSIZE, &small);
        },
        [&] {
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previousHandler);
        });
}

TEST(Order, TotalsAndVat)
{
    struct Case {
        const char *name;
        const char *unitCost;
        qint32 count;
        float tax;
        bool addVat;
        const char *total, *vat, *withVat;
    };
    const Case cases[] = {
        {"20 % of 100", "25.0000", 4, 20, true, "100.0000", "20.0000", "120.0000"},
        {"18 % of 0.0005: 0.00009 rounded once", "0.0005", 1, 18, true, "0.0005", "0.0001", "0.0006"},
        {"tie at the last digit goes to even (0.00005)", "0.0025", 1, 2, true, "0.0025", "0.0000", "0.0025"},
        {"tie at the last digit goes to even (0.00015)", "0.0075", 1, 2, true, "0.0075", "0.0002", "0.0077"},
        {"single-precision rate 19.6", "100.0000", 1, 19.6f, true, "100.0000", "19.6000", "119.6000"},
        {"VAT not added", "100.0000", 3, 20, false, "300.0000", "0.0000", "300.0000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TkvfOrder o;
        o.NDSTax = c.tax;
        o.GetTotalNDS = c.addVat;
        TkvfConstruction &p = o.AddPosition();
        p.UnitCost = money(c.unitCost);
        p.Count = c.count;
        TkvfConstruction &unchecked = o.AddPosition();
        unchecked.UnitCost = money("1000.0000");
        unchecked.Count = 1;
        unchecked.Checked = false;
        EXPECT_EQ(o.Total(), money(c.total));
        EXPECT_EQ(o.VATAmount(), money(c.vat));
        EXPECT_EQ(o.TotalWithVAT(), money(c.withVat));
    }
    TkvfOrder empty;
    empty.GetTotalNDS = true;
    empty.NDSTax = 20;
    EXPECT_EQ(empty.Total(), Money());
    EXPECT_EQ(empty.TotalWithVAT(), Money());
}

TEST(Order, FindingAndIteratingPositions)
{
    TkvfOrder o;
    for (const char *no : {"A01", "б-2", "a01", "C"})
        o.AddPosition().PosNo = QString::fromUtf8(no);
    o.Position(1).Checked = false;
    o.Position(3).Checked = false;

    EXPECT_EQ(o.FindPosition(QStringLiteral("a01")), &o.Position(0)) << "first of two, case ignored";
    EXPECT_EQ(o.FindPosition(QStringLiteral("Б-2")), &o.Position(1)) << "Cyrillic case ignored";
    EXPECT_EQ(o.FindPosition(QStringLiteral("A0")), nullptr);
    EXPECT_EQ(o.FindPosition(QStringLiteral("A01 ")), nullptr);

    EXPECT_EQ(o.CheckedCount(), 2);
    EXPECT_TRUE(o.HasChecked());
    EXPECT_EQ(o.FirstChecked(), &o.Position(0));
    EXPECT_EQ(o.NextChecked(), &o.Position(2));
    EXPECT_EQ(o.NextChecked(), nullptr);
    EXPECT_EQ(o.NextChecked(), nullptr) << "stays at the end";
    EXPECT_EQ(o.FirstChecked(), &o.Position(0)) << "starts again";

    o.Position(0).Checked = false;
    o.Position(2).Checked = false;
    EXPECT_FALSE(o.HasChecked());
    EXPECT_EQ(o.FirstChecked(), nullptr);

    o.DeletePosition(0);
    EXPECT_EQ(o.PositionCount(), 3);
    EXPECT_EQ(o.FindPosition(QStringLiteral("A01"))->PosNo, QStringLiteral("a01"));
    o.ClearPositions();
    EXPECT_EQ(o.PositionCount(), 0);
    EXPECT_EQ(o.FirstChecked(), nullptr);
}

TEST(Order, SortsCompareWindows1251Bytes)
{
    // Byte order: digits < Latin upper < Latin lower < "№" (0xB9) < Cyrillic;
    // UTF-16 order would put "№" (U+2116) after the Cyrillic letters.
    const QStringList unsorted{"9", "Я", "010", "a", "№1", "A", "Б", "10"};
    const QStringList sorted{"010", "10", "9", "A", "a", "№1", "Б", "Я"};
    TkvfOrder o;
    for (const QString &s : unsorted) {
        TkvfConstruction &p = o.AddPosition();
        p.PosNo = s;
        p.PosName = QStringLiteral("name ") + s;
    }
    auto column = [&o](QString TkvfConstruction::*field, const QString &prefix) {
        QStringList l;
        for (int i = 0; i < o.PositionCount(); ++i)
            l << (o.Position(i).*field).mid(prefix.size());
        return l;
    };
    o.SortByPosNo();
    EXPECT_EQ(column(&TkvfConstruction::PosNo, {}), sorted);
    EXPECT_EQ(column(&TkvfConstruction::PosName, QStringLiteral("name ")), sorted) << "whole positions moved";

    // By name: the names order differently from the numbers.
    for (int i = 0; i < o.PositionCount(); ++i)
        o.Position(i).PosName = QString(QChar(u'я' - i));
    o.SortByName();
    EXPECT_EQ(column(&TkvfConstruction::PosNo, {}),
              (QStringList{"Я", "Б", "№1", "a", "A", "9", "10", "010"}));
}

TEST(Order, CollectMaterialsOfCheckedPositions)
{
    TkvfOrder o;
    auto addPosition = [&o](qint32 count, bool checked, const char *article, float quantity, const char *price) {
        TkvfConstruction &p = o.AddPosition();
        p.Count = count;
        p.Checked = checked;
        TkvfMatListItem m;
        m.Article = QString::fromLatin1(article);
        m.Quantity = quantity;
        m.CatalogPrice = m.Price = money(price);
        m.Cost = m.Price * double(quantity);
        p.Sash1().MatList().push_back(m);
        p.Sash2().MatList().push_back(m);
    };
    addPosition(2, true, "A", 1.5f, "10.0000");
    addPosition(3, true, "B", 1.0f, "2.5000");
    addPosition(5, false, "A", 100.0f, "10.0000");

    o.CollectMaterials(nullptr); // nothing to do, nothing to fail

    TkvfMatList list;
    o.CollectMaterials(&list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Article, QStringLiteral("A"));
    EXPECT_FLOAT_EQ(list[0].Quantity, 6.0f) << "two sashes of 1.5, times 2";
    EXPECT_EQ(list[0].Cost, money("60.0000"));
    EXPECT_EQ(list[1].Article, QStringLiteral("B"));
    EXPECT_FLOAT_EQ(list[1].Quantity, 6.0f);
    EXPECT_EQ(list[1].Price, money("2.5000")) << "stored price, no catalogue";
    EXPECT_EQ(list[1].Cost, money("15.0000"));
}
