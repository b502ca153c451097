// kvf calc on the demo documentation: every sample order selects, and three
// positions (a rectangle, a two-sash stulp and an arch) give exactly the
// items derived by hand from the demo data.
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct KvfRun
{
    int code;
    QString out, err;
};

KvfRun kvf(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(KVF_EXECUTABLE), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The demo catalogue, loaded once for all tests.
const QString &demoCatalogue()
{
    static const QString dir = [] {
        const QString d = QDir(kvtest::scratchDir()).filePath(QStringLiteral("demo"));
        EXPECT_EQ(kvf({"catalog", "init", d}).code, 0);
        const QDir data(kvtest::sourcePath(QStringLiteral("data/demo")));
        for (const QString &f : data.entryList({QStringLiteral("0*.sql")}, QDir::Files, QDir::Name)) {
            const KvfRun r = kvf({"catalog", "import", d, data.filePath(f)});
            EXPECT_EQ(r.code, 0) << f.toStdString() << ": " << r.err.toStdString();
        }
        return d;
    }();
    return dir;
}

// The order header of the demo orders: system 2101, strike plates AR70,
// rebate 12/20-9, dorn 15, PVC stulp (kind 2), inward opening.
QByteArray order(const char *colours, const char *position)
{
    return QByteArray(R"({"ProfSys": "AR70", "FurnSys": "2101", "FalzType": 101, "DornType": 201,
 "StulpType": 301, "OpenType": 401, "Currency": 1, )") + colours + R"(, "Positions": [)" + position + "]}";
}

// Sash number -> items as "article xQuantity L<length> S<side> comment", sorted
// (items of equal article have no defined order).
std::map<int, QStringList> calcItems(const QByteArray &json)
{
    const QString file = QDir(kvtest::scratchDir()).filePath(QStringLiteral("demo-%1.json").arg(qHash(json)));
    kvtest::writeFile(file, json);
    const KvfRun r = kvf({"calc", file, "--catalog", demoCatalogue()});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    std::map<int, QStringList> out;
    const QJsonObject p = QJsonDocument::fromJson(r.out.toUtf8()).object()["Positions"].toArray()[0].toObject();
    for (const QJsonValue &s : p["Sashes"].toArray()) {
        QStringList &list = out[s.toObject()["Sash"].toInt()];
        for (const QJsonValue &v : s.toObject()["Items"].toArray()) {
            const QJsonObject i = v.toObject();
            list << QStringLiteral("%1 x%2 L%3 S%4 %5")
                        .arg(i["Article"].toString())
                        .arg(i["Quantity"].toInt())
                        .arg(i["Length"].toDouble())
                        .arg(i["SideNo"].toInt())
                        .arg(i["Comment"].toString())
                        .trimmed();
        }
        list.sort();
    }
    return out;
}

TEST(KvfDemo, EverySampleOrderSelects)
{
    const QDir orders(kvtest::sourcePath(QStringLiteral("data/demo/orders")));
    const QStringList files = orders.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &f : files) {
        SCOPED_TRACE(f.toStdString());
        const KvfRun r = kvf({"calc", orders.filePath(f), "--catalog", demoCatalogue()});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        EXPECT_FALSE(o["Positions"].toArray().isEmpty());
        EXPECT_NE(o["Total"].toString(), QStringLiteral("0.0000"));
    }
}

// 700 x 1400 turn-tilt sash, hinges left (ZV-PO-L): FFB 70, FFH 140 cm; sides
// 1 left 1400, 2 top 700, 3 right (handle) 1400, 4 bottom 700 mm. Basic
// burglar resistance (111), no microlift (121), no slot ventilation (131).
TEST(KvfDemo, RectangleByHand)
{
    const auto items = calcItems(order(R"("InnerColor": "WH", "OuterColor": "WH", "FurnColor": "SL")",
                                       R"({"Shape": {"Kind": 0, "B": 700, "H": 1400}, "ProfWidth": 70,
 "ProfThickness": 70, "Sash1": {"MainSet": "ZV-PO-L", "Properties": ["0=111", "0=121", "0=131"]}})"));
    QStringList expected{
        // gear by FFH 140 (120-159) with falz axis 9 and dorn 15; its handle height 700 goes on side 3
        "ZV111209 x1 L0 S3",
        // two corner drives, falz air 12
        "ZV200012 x2 L0 S3 верх и низ стороны ручки",
        // scissors for FFB 60-79, right hand (Direct 1)
        "ZV211100 x1 L0 S2",
        // handle-side middle lock: scheme 1000;1600 on side 3 (1400 mm) counts one
        "ZV220600 x1 L0 S3",
        // hinge-side pressure piece from FFH 120: (140 - 120) div 60 + 1
        "ZV221000 x1 L0 S1",
        // blocker, side 3 at least 600 mm, falz air 12
        "ZV230012 x1 L0 S3",
        // rod below the gear, FFG(3) - 600 = 700 - 600
        "ZV240520 x1 L100 S3 тяга от привода вниз",
        // cover of the scissors in the cover colour SL
        "ZV270101 x1 L0 S2",
        // keepers (AR70): gear cam (ItemComplectID ZV-PO-L) and the middle lock merge on side 3;
        // the pressure piece on side 1; system 2101 exactly, so not the economy ZAP-E
        "ZV310101 x1 L0 S1",
        "ZV310101 x2 L0 S3",
        // corner keepers of the corner drives (property key 15 admits 111)
        "ZV310301 x2 L0 S3 верх и низ стороны ручки",
        // blocker keeper for the right frame side only (ItemSideNo 3)
        "ZV310701 x1 L0 S3",
        // tilt keeper brought by the composite scissors, on their side 2
        "ZV310801 x1 L0 S2",
        // two screws per keeper; none for the corner drives (RC only, key 11)
        "ZV900325 x2 L0 S1",
        "ZV900325 x2 L0 S2",
        "ZV900325 x4 L0 S3 верх и низ стороны ручки",
        "ZV900325 x6 L0 S3",
    };
    expected.sort();
    EXPECT_EQ(items.at(1), expected);
    EXPECT_EQ(items.count(2), 0u);
}

// 1400 x 1700 two-sash window, right sash main (figure 1): both sashes 700 x
// 1700, FFB 70, FFH 170; the stulp sides are side 3 of the left and side 1 of
// the right sash. PVC stulp: kind 2. Outer profile colour AN.
TEST(KvfDemo, StulpByHand)
{
    const auto items = calcItems(order(
        R"("InnerColor": "WH", "OuterColor": "AN", "FurnColor": "SL")",
        R"({"Shape": {"Kind": 1, "B": 1400, "H": 1700, "X": 700, "Y": 700}, "ProfWidth": 70, "ProfThickness": 70,
 "Sash1": {"MainSet": "ZV-SHT-VT-L1", "Properties": ["0=111", "0=121"]},
 "Sash2": {"MainSet": "ZV-SHT-GL-R", "Properties": ["0=111", "0=122", "0=131"]}})"));
    QStringList main{
        // gear for FFH 160-240: handle height 1000 on the stulp side 1
        "ZV111609 x1 L0 S1",
        "ZV200012 x2 L0 S1 верх и низ стороны ручки",
        // scissors for FFB 60-79, left hand (Direct 2 of the main set)
        "ZV211200 x1 L0 S2",
        // stulp locks for masks 4+8: scheme 800;1600 on side 1 (1700) gives 2, plus Number 1
        "ZV220650 x3 L0 S1",
        // the left sash is 1700 high (partner side 3 >= 1600)
        "ZV220660 x1 L0 S1 высота смежной створки от 1600 мм",
        "ZV221000 x1 L0 S3",
        // stulp blocker: partner side 4 is 700 >= 500
        "ZV230100 x1 L0 S1",
        // microlift chosen (122)
        "ZV240100 x1 L0 S1 микролифт",
        // hinge-side rod from FFH 160: FFН - 1450 = 1700 - 1450
        "ZV240500 x1 L250 S3",
        // FFG(1) - 600 = 1000 - 600
        "ZV240520 x1 L400 S1 тяга от привода вниз",
        "ZV270101 x1 L0 S2",
        // outer stulp cover in the outer profile colour AN, PVC stulp only (mask 4)
        "ZV270506 x1 L0 S1",
        // no gear cam keeper here (its rows are for ZV-PO-L/R), the pressure piece keeps one;
        // the microlift keeper is for single sashes (stulp kind 6) only
        "ZV310101 x1 L0 S3",
        "ZV310301 x2 L0 S1 верх и низ стороны ручки",
        "ZV310801 x1 L0 S2",
        "ZV900325 x2 L0 S2",
        "ZV900325 x2 L0 S3",
        "ZV900325 x4 L0 S1 верх и низ стороны ручки",
    };
    QStringList secondary{
        // microlift keeper: the main sash holds ZV240100
        "ZV312000 x1 L0 S3",
        // stulp plates for kind 2: 3 for ZV220650 (scheme on side 3, 1700 mm) and 1 for ZV220660, merged
        "ZV312002 x4 L0 S3",
        // stulp seal per PVC stulp plate
        "ZV900040 x4 L0 S3",
    };
    main.sort();
    secondary.sort();
    EXPECT_EQ(items.at(2), main);
    EXPECT_EQ(items.at(1), secondary);
}

// Segment arch 1200 x 1800, rise 300, radius 750 (ZV-ARKA-S): sides 1 left
// 1500, 2 the arc (chord 1200), 3 right 1500, 4 bottom 1200; the corner at
// the right springing is about 143 degrees.
TEST(KvfDemo, ArchByHand)
{
    const auto items = calcItems(order(R"("InnerColor": "WH", "OuterColor": "OR", "FurnColor": "GD")",
                                       R"({"Shape": {"Kind": 7, "B": 1200, "H": 1800, "X": 300, "R": 750},
 "ProfWidth": 70, "ProfThickness": 70, "Sash1": {"MainSet": "ZV-ARKA-S", "Properties": ["0=111", "0=121", "0=131"]}})"));
    QStringList expected{
        // gear by the length of side 3 (Condition 4): 1200-1799 mm
        "ZV121209 x1 L0 S3",
        "ZV200012 x1 L0 S3 нижний угол",
        // corner drive for 135-180 degrees (Condition 7, corner 3)
        "ZV201135 x1 L0 S3 угол арки",
        // arched scissors for radius 200-999 (Condition 8), Direct 3 serves both hands
        "ZV215010 x1 L0 S2",
        // bottom lock: side 4 1200 >= 800, (400 div 700) + 1
        "ZV220400 x1 L0 S4",
        // segment-arc rod (mask 4), FFL(2) + 150 = 1200 + 150; not the semicircle rod (mask 2)
        "ZV240540 x1 L1350 S2",
        // support for radii up to 800, any side kind; no arc lock (from 1000)
        "ZV240560 x1 L0 S2",
        "ZV310101 x1 L0 S3",
        "ZV310101 x1 L0 S4",
        "ZV310301 x1 L0 S3 нижний угол",
        "ZV310301 x1 L0 S3 угол арки",
        "ZV900325 x2 L0 S3",
        "ZV900325 x2 L0 S3 нижний угол",
        "ZV900325 x2 L0 S3 угол арки",
        "ZV900325 x2 L0 S4",
    };
    expected.sort();
    EXPECT_EQ(items.at(1), expected);
}

} // namespace
