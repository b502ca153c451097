// The outlines of the demo sample orders, built by the model, against the side
// tables of their main sets: the fittings dialog offers a main set only when
// its side table fits every side of the sash (number of sides, lengths,
// corner angles, radii and kinds of arc), so every sample must fit.
#include "support/TestSupport.h"

#include "core/Database.h"
#include "model/Construction.h"
#include "model/Sash.h"
#include "tools/Geometry.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace kv;

namespace {

const QString kConnection = QStringLiteral("demo_outlines");

void loadSideTables()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    const QString dir = QDir(kvtest::scratchDir()).filePath(QStringLiteral("demo-outlines"));
    QDir().mkpath(dir);
    createDatabase(DatabaseKind::Catalog, dir);
    openDatabase(DatabaseKind::Catalog, dir, kConnection);
    const QDir demo(kvtest::sourcePath(QStringLiteral("data/demo")));
    for (const QString &file : demo.entryList({QStringLiteral("0*.sql")}, QDir::Files, QDir::Name))
        runSqlScript(kConnection, QString::fromUtf8(kvtest::readFile(demo.filePath(file))), file);
}

int mm(double tenths) { return RoundHalfAway(tenths / 10.0); }

// Why the side table of set does not fit the sash; empty when it fits.
QString misfit(const TkvfFlugel &sash, const QString &set)
{
    QSqlQuery q(QSqlDatabase::database(kConnection));
    q.prepare(QStringLiteral("select Side, MinSize, MaxSize, MinAngle, MaxAngle, MinRadius, MaxRadius, FullRadius, HalfRadius, "
                             "EllipseRadius from FrnSide where ID = ? order by Side"));
    q.addBindValue(set);
    q.exec();
    int rows = 0;
    QStringList why;
    while (q.next()) {
        ++rows;
        const int i = q.value(0).toInt() - 1;
        if (i < 0 || i >= sash.LineCount()) {
            why << QStringLiteral("side %1 does not exist").arg(i + 1);
            continue;
        }
        const TkvfLine &line = sash.Line(i);
        const int length = mm(line.ChordLength());
        const int radius = mm(line.R1);
        const double angle = sash.CornerAngle(i);
        if (length < q.value(1).toInt() || length > q.value(2).toInt())
            why << QStringLiteral("side %1 length %2 outside %3..%4").arg(i + 1).arg(length).arg(q.value(1).toInt()).arg(q.value(2).toInt());
        if (angle < q.value(3).toDouble() || angle > q.value(4).toDouble())
            why << QStringLiteral("side %1 angle %2 outside %3..%4").arg(i + 1).arg(angle).arg(q.value(3).toDouble()).arg(q.value(4).toDouble());
        if (radius < q.value(5).toInt() || radius > q.value(6).toInt())
            why << QStringLiteral("side %1 radius %2 outside %3..%4").arg(i + 1).arg(radius).arg(q.value(5).toInt()).arg(q.value(6).toInt());
        if ((line.IsSemicircle() && q.value(7).toInt() == 0) || (line.IsSegmentArc() && q.value(8).toInt() == 0)
            || (line.IsEllipticArc() && q.value(9).toInt() == 0))
            why << QStringLiteral("side %1 kind of arc not admitted").arg(i + 1);
    }
    if (rows != sash.LineCount())
        why << QStringLiteral("%1 side rows for %2 sides").arg(rows).arg(sash.LineCount());
    return why.join(QStringLiteral("; "));
}

} // namespace

TEST(DemoOutlines, EverySampleFitsTheSideTablesOfItsMainSets)
{
    loadSideTables();
    const QDir dir(kvtest::sourcePath(QStringLiteral("data/demo/orders")));
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    int sashes = 0;
    for (const QString &file : files) {
        const QJsonObject order = QJsonDocument::fromJson(kvtest::readFile(dir.filePath(file))).object();
        for (const QJsonValue &pv : order.value(QStringLiteral("Positions")).toArray()) {
            const QJsonObject pos = pv.toObject();
            const QJsonObject shape = pos.value(QStringLiteral("Shape")).toObject();
            TShapeRecord s;
            s.Kind = quint8(shape.value(QStringLiteral("Kind")).toInt());
            s.B = shape.value(QStringLiteral("B")).toInt();
            s.H = shape.value(QStringLiteral("H")).toInt();
            s.X = shape.value(QStringLiteral("X")).toInt();
            s.Y = shape.value(QStringLiteral("Y")).toInt();
            s.R1 = s.R2 = float(shape.value(QStringLiteral("R")).toDouble());
            TkvfConstruction c;
            // As the position dialog sets it for the figure.
            c.Arrangement = s.Kind == 1 ? TkvfConstruction::RightMain
                          : s.Kind == 2 ? TkvfConstruction::LeftMain : TkvfConstruction::SingleSash;
            c.SetShape(s, 201);
            const QString where = file + QStringLiteral(" position ") + pos.value(QStringLiteral("PosNo")).toString();
            const QString set1 = pos.value(QStringLiteral("Sash1")).toObject().value(QStringLiteral("MainSet")).toString();
            EXPECT_EQ(misfit(c.Sash1(), set1), QString()) << where.toStdString() << " sash 1, " << set1.toStdString();
            ++sashes;
            if (c.IsTwoSash()) {
                const QString set2 = pos.value(QStringLiteral("Sash2")).toObject().value(QStringLiteral("MainSet")).toString();
                EXPECT_EQ(misfit(c.Sash2(), set2), QString()) << where.toStdString() << " sash 2, " << set2.toStdString();
                ++sashes;
            }
        }
    }
    EXPECT_GE(sashes, 30);
}
