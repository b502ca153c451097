// Stored layouts of positions, sashes, compositions, items and material items:
// every stamp variant read from bytes written value by value, round trips,
// damaged data, and the copy, backup and restore of a position.
#include "FakeModelServices.h"
#include "model/Construction.h"
#include "model/ModelStream.h"

#include <gtest/gtest.h>
#include <optional>

using namespace kv;

namespace {

struct SideData
{
    float r1 = 0, r2 = 0, cx = 0, cy = 0;
    bool hinge = false;
    qint32 rot = -1;
    bool handled = false, banded = false, drived = false;
    qint32 height = 0, markX = 0, markY = 0;
};

// Writes a sash the way a program of the given stamp wrote it.
// Counts written in place of the true ones (damaged data).
struct Counts { std::optional<qint32> items; std::optional<qint32> materials; };

void writeSash(TSpecStream &s, const QString &stamp, qint32 dorn, const std::vector<QPoint> &pts,
               const std::vector<SideData> &sides, bool withComposition, int items,
               int materials, Counts counts = {})
{
    WriteInt(s, qint32(pts.size()));
    for (const QPoint &p : pts) {
        WriteInt(s, p.x());
        WriteInt(s, p.y());
    }
    WriteInt(s, qint32(sides.size()));
    for (const SideData &d : sides) {
        WriteReal(s, d.r1);
        WriteReal(s, d.r2);
        WriteReal(s, d.cx);
        WriteReal(s, d.cy);
        WriteBool(s, d.hinge);
        WriteInt(s, d.rot);
        WriteBool(s, d.handled);
        WriteBool(s, d.banded);
        WriteBool(s, d.drived);
        WriteInt(s, d.height);
        WriteInt(s, d.markX);
        WriteInt(s, d.markY);
    }
    if (IsStampNotOlder(stamp, QStringLiteral("23.07.2019")))
        WriteInt(s, dorn);
    WriteBool(s, withComposition);
    if (withComposition) {
        for (const char *v : {"SYS1", "PROF", "WHITE", "MAIN", "HINGE", "HANDLE"})
            WriteString(s, QString::fromUtf8(v));
        WriteInt(s, 1050);
        WriteBool(s, true);
        for (const char *v : {"LOCK", "CYL", "CLOSER", "LATCH"})
            WriteString(s, QString::fromUtf8(v));
        for (qint32 v : {3, 4, 20, 5, -1, 111, 222, 333, 0})
            WriteInt(s, v);
        WriteString(s, QStringLiteral("0=121\r\n1=7\r\n"));
        WriteString(s, QStringLiteral("ADD1\r\n"));
        WriteInt(s, counts.items.value_or(items));
        for (int i = 0; i < items; ++i) {
            WriteString(s, QStringLiteral("ART%1").arg(i));
            WriteReal(s, 1250.5 + i);
            WriteInt(s, 2 + i);
            if (IsStampNotOlder(stamp, QStringLiteral("06.10.2015")))
                WriteString(s, QStringLiteral("hist%1").arg(i));
            if (IsStampNotOlder(stamp, QStringLiteral("03.03.2019")))
                WriteString(s, QStringLiteral("note%1").arg(i));
            if (IsStampNotOlder(stamp, QStringLiteral("26.12.2019"))) {
                WriteInt(s, 3 + i);
                WriteInt(s, 0);
                WriteInt(s, 0);
                WriteInt(s, 0);
                WriteString(s, QStringLiteral("SET%1").arg(i));
            }
        }
    }
    WriteInt(s, counts.materials.value_or(materials));
    for (int i = 0; i < materials; ++i) {
        WriteString(s, QStringLiteral("M%1").arg(i));
        WriteReal(s, 2.5);
        WriteMoney(s, Money::fromRaw(123400));
        WriteReal(s, 0);
        WriteMoney(s, Money());
        WriteMoney(s, Money::fromRaw(123400));
        WriteMoney(s, Money::fromRaw(308500));
    }
}

const std::vector<QPoint> kRect = {{0, 14000}, {0, 0}, {10000, 0}, {10000, 14000}};

std::vector<SideData> rectSides()
{
    std::vector<SideData> sides(4);
    sides[0].hinge = true;
    sides[0].rot = 2;
    sides[2].handled = true;
    sides[2].height = 700;
    sides[2].markX = 9995;
    sides[2].markY = 7000;
    sides[1].r1 = sides[1].r2 = 7000;
    sides[1].cx = 1234.5f; // deliberately not the computed centre
    sides[1].cy = 6789.25f;
    return sides;
}

// A whole two-sash position as written with the given stamp.
QByteArray positionBytes(const QString &stamp, qint32 positionDorn, qint32 sashDorn,
                         bool damagedFirstSash = false)
{
    TSpecStream s;
    WriteBool(s, false);
    WriteString(s, QStringLiteral("001"));
    WriteString(s, QStringLiteral("Окно: Комплект штульповый"));
    WriteInt(s, 3);
    WriteByte(s, 1);
    WriteString(s, QStringLiteral("SYS1"));
    WriteString(s, QStringLiteral("PROF"));
    WriteString(s, QStringLiteral("WHITE"));
    if (IsStampOlder(stamp, QStringLiteral("10.12.2009"))) {
        WriteString(s, QStringLiteral("legacy one"));
        WriteString(s, QStringLiteral("legacy two"));
    }
    WriteInt(s, 11);
    if (IsStampOlder(stamp, QStringLiteral("23.07.2019")))
        WriteInt(s, positionDorn);
    WriteInt(s, 12);
    WriteReal(s, 68.0);
    WriteReal(s, 76.5);
    WriteInt(s, 13);
    WriteMoney(s, Money::fromRaw(1234567));
    WriteString(s, QStringLiteral("first\r\nsecond\r\n"));
    WriteByte(s, 0);
    auto sides = rectSides();
    if (damagedFirstSash)
        sides.pop_back();
    writeSash(s, stamp, sashDorn, kRect, sides, true, 2, 1);
    writeSash(s, stamp, sashDorn + 1,
              {{10000, 14000}, {10000, 0}, {16000, 0}, {16000, 14000}}, std::vector<SideData>(4),
              false, 0, 0);
    return s.data();
}

} // namespace

TEST(ModelStream, PositionsOfEveryStampVariant)
{
    struct Case {
        const char *stamp;
        qint32 dorn1, dorn2; // expected sash dorns
        bool history, comment, sideNo;
    };
    const Case cases[] = {
        {"01.06.2008", 55, 55, false, false, false},  // two legacy strings, position dorn
        {"10.12.2009", 55, 55, false, false, false},  // no legacy strings any more
        {"06.10.2015", 55, 55, true, false, false},
        {"03.03.2019", 55, 55, true, true, false},    // five values per item
        {"23.07.2019", 8, 9, true, true, false},      // each sash its own dorn
        {"26.12.2019", 8, 9, true, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stamp);
        const QString stamp = QString::fromLatin1(c.stamp);
        TSpecStream s(positionBytes(stamp, 55, 8));
        TkvfConstruction pos;
        pos.LoadFromStream(s, stamp);
        EXPECT_EQ(s.remaining(), 0) << "every stored value read, nothing more";

        EXPECT_FALSE(pos.Checked);
        EXPECT_EQ(pos.PosNo, QStringLiteral("001"));
        EXPECT_EQ(pos.PosName, QStringLiteral("Окно: Комплект штульповый"));
        EXPECT_EQ(pos.Count, 3);
        EXPECT_EQ(pos.ObjectType, 1);
        EXPECT_EQ(pos.FurnColor, QStringLiteral("WHITE"));
        EXPECT_EQ(pos.FalzType, 11);
        EXPECT_EQ(pos.StulpType, 12);
        EXPECT_FLOAT_EQ(pos.ProfWidth, 68.0f);
        EXPECT_FLOAT_EQ(pos.ProfThickness, 76.5f);
        EXPECT_EQ(pos.OpenType, 13);
        EXPECT_EQ(pos.UnitCost, Money::fromRaw(1234567));
        EXPECT_EQ(pos.Notes, (QStringList{"first", "second"}));
        EXPECT_EQ(pos.Arrangement, 0);
        EXPECT_EQ(pos.Sash1().Dorn, c.dorn1);
        EXPECT_EQ(pos.Sash2().Dorn, c.dorn2);

        const TkvfFlugel &s1 = pos.Sash1();
        ASSERT_EQ(s1.PointCount(), 4);
        EXPECT_EQ(s1.Point(2).X, 10000);
        EXPECT_EQ(s1.Line(3).EndPoint, &s1.Point(0));
        EXPECT_FLOAT_EQ(s1.Line(1).CentreX, 1234.5f);
        EXPECT_FLOAT_EQ(s1.Line(1).CentreY, 6789.25f);
        EXPECT_TRUE(s1.Line(0).HingeSide);
        EXPECT_EQ(s1.Line(0).RotSideIndex, 2);
        EXPECT_EQ(s1.Line(2).HandleMark, QPoint(9995, 7000));
        EXPECT_EQ(s1.HandleHeightOfSash(), 700);

        const TkvfFurnComp *comp = s1.Composition();
        ASSERT_NE(comp, nullptr);
        EXPECT_EQ(comp->Sash, &s1);
        EXPECT_EQ(comp->Latch, QStringLiteral("LATCH"));
        EXPECT_EQ(comp->HandleHeight, 1050);
        EXPECT_TRUE(comp->OwnHandleHeight);
        EXPECT_EQ(comp->HingeImage, 20);
        EXPECT_EQ(comp->CloserColour, 333);
        EXPECT_EQ(comp->Properties, (QStringList{"0=121", "1=7"}));
        EXPECT_EQ(comp->AdditionalSets, QStringList{"ADD1"});
        ASSERT_EQ(comp->Count(), 2);
        for (int i = 0; i < 2; ++i) {
            const TkvfFurnItem &it = comp->Item(i);
            EXPECT_EQ(it.Owner, comp);
            EXPECT_EQ(it.Article, QStringLiteral("ART%1").arg(i));
            EXPECT_FLOAT_EQ(it.Length, 1250.5f + i);
            EXPECT_EQ(it.Quantity, 2 + i);
            EXPECT_EQ(it.History, c.history ? QStringLiteral("hist%1").arg(i) : QString());
            EXPECT_EQ(it.Comment, c.comment ? QStringLiteral("note%1").arg(i) : QString());
            EXPECT_EQ(it.SideNo, c.sideNo ? 3 + i : 0);
            EXPECT_EQ(it.ParentSet, c.sideNo ? QStringLiteral("SET%1").arg(i) : QString());
        }
        ASSERT_EQ(s1.MatList().size(), 1u);
        EXPECT_EQ(s1.MatList()[0].Cost, Money::fromRaw(308500));
        EXPECT_EQ(pos.Sash2().Composition(), nullptr);
        EXPECT_EQ(pos.Sash2().Point(3).X, 16000);
    }
}

TEST(ModelStream, CurrentLayoutRoundTripsByteForByte)
{
    const QByteArray original = positionBytes(stamps::Order, 0, 8);
    TSpecStream in(original);
    TkvfConstruction pos;
    pos.LoadFromStream(in, stamps::Order);
    TSpecStream out;
    pos.SaveToStream(out);
    EXPECT_EQ(out.data().toHex(), original.toHex());
}

TEST(ModelStream, ItemsAlwaysWriteAllTenValues)
{
    TkvfFurnItem item;
    item.Article = QStringLiteral("A");
    item.Length = 12.5f;
    item.Quantity = 4;
    item.History = QStringLiteral("h");
    item.Comment = QStringLiteral("c");
    item.SideNo = 2;
    item.ParentSet = QStringLiteral("P");
    TSpecStream s;
    item.SaveToStream(s);
    // Article, History, Comment, ParentSet strings (4 + 1 bytes each) and six records.
    EXPECT_EQ(s.size(), 4 * 5 + 6 * 16);
    s.seek(0);
    TkvfFurnItem back;
    back.LoadFromStream(s, stamps::Order);
    EXPECT_EQ(back.Article, item.Article);
    EXPECT_EQ(back.Length, item.Length);
    EXPECT_EQ(back.SideNo, 2);
    EXPECT_EQ(back.ParentSet, item.ParentSet);
}

TEST(ModelStream, DamagedSashDataIsRejected)
{
    auto sides = rectSides();
    struct Case {
        const char *name;
        std::function<void(TSpecStream &)> write;
    };
    const Case cases[] = {
        {"more sides than points",
         [&](TSpecStream &s) { auto d = sides; d.push_back({}); writeSash(s, stamps::Order, 0, kRect, d, false, 0, 0); }},
        {"fewer sides than points",
         [&](TSpecStream &s) { auto d = sides; d.pop_back(); writeSash(s, stamps::Order, 0, kRect, d, false, 0, 0); }},
        {"opening mark past the last side",
         [&](TSpecStream &s) { auto d = sides; d[0].rot = 4; writeSash(s, stamps::Order, 0, kRect, d, false, 0, 0); }},
        {"opening mark below -1",
         [&](TSpecStream &s) { auto d = sides; d[0].rot = -2; writeSash(s, stamps::Order, 0, kRect, d, false, 0, 0); }},
        {"absurd point count", [](TSpecStream &s) { WriteInt(s, 1000000000); WriteInt(s, 1); WriteInt(s, 2); }},
        {"negative point count", [](TSpecStream &s) { WriteInt(s, -1); }},
        {"absurd item count",
         [&](TSpecStream &s) { writeSash(s, stamps::Order, 0, kRect, sides, true, 1, 0, {400000000, {}}); }},
        {"negative item count",
         [&](TSpecStream &s) { writeSash(s, stamps::Order, 0, kRect, sides, true, 0, 0, {-3, {}}); }},
        {"absurd material count",
         [&](TSpecStream &s) { writeSash(s, stamps::Order, 0, kRect, sides, false, 0, 1, {{}, 5000000}); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TSpecStream s;
        c.write(s);
        s.seek(0);
        TkvfFlugel sash;
        EXPECT_THROW(sash.LoadFromStream(s, stamps::Order), StreamReadError);
    }

    // -1 and the last side are fine.
    for (qint32 rot : {-1, 3}) {
        auto d = sides;
        d[0].rot = rot;
        TSpecStream s;
        writeSash(s, stamps::Order, 0, kRect, d, false, 0, 0);
        s.seek(0);
        TkvfFlugel sash;
        EXPECT_NO_THROW(sash.LoadFromStream(s, stamps::Order));
        EXPECT_EQ(sash.Line(0).RotSideIndex, rot);
    }
}

TEST(ModelStream, ArrangementOutsideTheThreeKindsIsRejected)
{
    QByteArray bytes = positionBytes(stamps::Order, 0, 0);
    TSpecStream probe(bytes);
    TkvfConstruction pos;
    pos.LoadFromStream(probe, stamps::Order);
    TSpecStream out;
    pos.Arrangement = 3;
    pos.SaveToStream(out);
    out.seek(0);
    TkvfConstruction back;
    EXPECT_THROW(back.LoadFromStream(out, stamps::Order), StreamReadError);
}

TEST(ModelStream, DataEndingEarlyGivesEmptyFields)
{
    TSpecStream s;
    WriteBool(s, true);
    WriteString(s, QStringLiteral("007"));
    WriteString(s, QStringLiteral("Окно"));
    s.seek(0);
    TkvfConstruction pos;
    pos.LoadFromStream(s, stamps::Order);
    EXPECT_EQ(pos.PosNo, QStringLiteral("007"));
    EXPECT_EQ(pos.Count, 0);
    EXPECT_EQ(pos.Arrangement, 0);
    EXPECT_EQ(pos.Sash1().PointCount(), 0);
    EXPECT_EQ(pos.Sash1().Composition(), nullptr);
}

TEST(ModelStream, CopyBackupAndRestoreOfAPosition)
{
    TkvfConstruction source;
    {
        TSpecStream s(positionBytes(stamps::Order, 0, 8));
        source.LoadFromStream(s, stamps::Order);
    }
    TkvfConstruction copy;
    copy.Copy(source);
    EXPECT_EQ(copy.PosName, source.PosName);
    EXPECT_EQ(copy.Sash1().Construction, &copy);
    EXPECT_EQ(copy.Sash1().Point(0).Sash, &copy.Sash1());
    ASSERT_NE(copy.Sash1().Composition(), nullptr);
    EXPECT_EQ(copy.Sash1().Composition()->Sash, &copy.Sash1());
    EXPECT_EQ(copy.Sash2().OtherSash(), &copy.Sash1());
    copy.Sash1().Composition()->Item(0).Quantity = 99;
    copy.Sash1().Point(0).X = -5;
    EXPECT_EQ(source.Sash1().Composition()->Item(0).Quantity, 2);
    EXPECT_EQ(source.Sash1().Point(0).X, 0);

    TSpecStream backup;
    source.Backup(backup);
    source.PosName = QStringLiteral("changed");
    source.Sash1().DropComposition();
    source.Restore(backup);
    EXPECT_EQ(source.PosName, QStringLiteral("Окно: Комплект штульповый"));
    ASSERT_NE(source.Sash1().Composition(), nullptr);
    EXPECT_EQ(source.Sash1().Composition()->Sash, &source.Sash1());

    // A damaged backup leaves the position as it was.
    TSpecStream broken(positionBytes(stamps::Order, 0, 8, true));
    source.PosName = QStringLiteral("edited");
    try {
        source.Restore(broken);
        FAIL() << "a damaged backup restored";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().startsWith(
            QStringLiteral("Ошибка восстановления объекта из резервной копии!\r\n(")))
            << e.text().toStdString();
        EXPECT_TRUE(e.text().endsWith(QStringLiteral(")")));
    }
    EXPECT_EQ(source.PosName, QStringLiteral("edited"));
    EXPECT_NE(source.Sash1().Composition(), nullptr);

    // A position whose opening mark points nowhere cannot be copied.
    source.Sash1().Line(0).RotSideIndex = 9;
    try {
        copy.Copy(source);
        FAIL() << "copied a position that cannot be read back";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("Ошибка копирования позиции!\r\n(")))
            << e.text().toStdString();
    }
    EXPECT_EQ(copy.Sash1().Point(0).X, -5);
}

TEST(ModelStream, StringListsAsOneText)
{
    struct Case { const char *text; QStringList lines; };
    const Case cases[] = {
        {"", {}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\nb\r", {"a", "", "b"}},
        {"\r\n", {""}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TextToStrings(QString::fromLatin1(c.text)), c.lines) << c.text;
    EXPECT_EQ(StringsToText({"0=1", "", "2=3"}), QStringLiteral("0=1\r\n\r\n2=3\r\n"));
}
