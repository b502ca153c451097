// The demo documentation in data/demo: it loads into the catalogue schema,
// every reference in it resolves, it is consistent in the ways the engine and
// the dialogs rely on, it uses every documented mechanism, and the sample
// orders only choose what the fittings dialog would offer.
#include "CatalogChecks.h"
#include "support/TestSupport.h"

#include "core/Database.h"
#include "core/TableDefs.h"
#include "tools/Errors.h"
#include "tools/Expression.h"
#include "tools/Win1251.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

const QString kConnection = QStringLiteral("demo_data_test");

QString demoDir() { return kvtest::sourcePath(QStringLiteral("data/demo")); }

QStringList demoScripts()
{
    QStringList files = QDir(demoDir()).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    files.removeAll(QStringLiteral("reports.sql")); // the report list lives in the report database
    return files;
}

kvtest::CatalogChecker checker(kConnection);
QStringList rows(const QString &sql) { return checker.rows(sql); }
qint64 count(const QString &sql) { return checker.count(sql); }

class DemoData : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const QString dir = QDir(kvtest::scratchDir()).filePath(QStringLiteral("demo-catalog"));
        QDir().mkpath(dir);
        try {
            kv::createDatabase(kv::DatabaseKind::Catalog, dir);
            kv::openDatabase(kv::DatabaseKind::Catalog, dir, kConnection);
            for (const QString &file : demoScripts()) {
                const QString script = QString::fromUtf8(kvtest::readFile(QDir(demoDir()).filePath(file)));
                kv::runSqlScript(kConnection, script, file);
            }
        } catch (const kv::Error &e) {
            loadError() = e.text();
        }
    }
    static QString &loadError()
    {
        static QString text;
        return text;
    }
    void SetUp() override { ASSERT_TRUE(loadError().isEmpty()) << loadError().toStdString(); }
};

TEST_F(DemoData, LoadsWithTheScriptsInOrder)
{
    EXPECT_EQ(demoScripts().size(), 5);
    EXPECT_GE(count(QStringLiteral("select count(*) from Catalog")), 200);
    EXPECT_GE(count(QStringLiteral("select count(*) from FrnComp")), 40);
}

TEST_F(DemoData, EveryReferenceResolves)
{
    const QStringList failed = checker.failures(kvtest::referenceChecks());
    EXPECT_TRUE(failed.isEmpty()) << failed.join(QLatin1Char('\n')).toStdString();
}

TEST_F(DemoData, DocumentationIsConsistent)
{
    const QStringList failed = checker.failures(kvtest::consistencyChecks());
    EXPECT_TRUE(failed.isEmpty()) << failed.join(QLatin1Char('\n')).toStdString();
}

// Every text fits its field and the Windows-1251 code page of the file
// boundaries; every small integer fits 16 bits.
TEST_F(DemoData, ValuesFitTheirFields)
{
    for (const kv::TableDef &t : kv::tableDefs()) {
        if (t.database != kv::DatabaseKind::Catalog)
            continue;
        for (const kv::FieldDef &f : t.columns) {
            if (f.kind != kv::FieldKind::Data)
                continue;
            QSqlQuery q(QSqlDatabase::database(kConnection));
            ASSERT_TRUE(q.exec(QStringLiteral("select \"%1\" from \"%2\"").arg(f.name, t.name))) << t.name.toStdString() << "." << f.name.toStdString();
            while (q.next()) {
                const QVariant v = q.value(0);
                const std::string where = (t.name + QLatin1Char('.') + f.name + QStringLiteral(" = ") + v.toString()).toStdString();
                if (f.type == kv::FieldType::String) {
                    const QString s = v.toString();
                    if (f.size > 0) {
                        EXPECT_LE(s.size(), f.size) << where;
                    }
                    EXPECT_TRUE(kv::cp1251::isEncodable(s)) << where;
                } else if (f.type == kv::FieldType::SmallInt) {
                    EXPECT_TRUE(v.toLongLong() >= -32768 && v.toLongLong() <= 32767) << where;
                }
            }
        }
    }
}

TEST_F(DemoData, LengthFormulasParse)
{
    const QStringList formulas = rows(QStringLiteral("select distinct LenFormula from FrnSet where LenFormula <> ''"));
    ASSERT_FALSE(formulas.isEmpty());
    for (const QString &f : formulas) {
        try {
            kv::Expression::parse(f);
        } catch (const kv::Error &e) {
            ADD_FAILURE() << f.toStdString() << ": " << e.text().toStdString();
        }
    }
    // Rows that compute a length must also say to use it.
    EXPECT_EQ(count(QStringLiteral("select count(*) from FrnSet where LenFormula <> '' and UseLen <> 1")), 0);
}

// Each mechanism of the documentation is used at least once, so the demo shows
// (and the engine's end-to-end runs exercise) all of them.
TEST_F(DemoData, EveryMechanismIsUsed)
{
    const std::vector<kvtest::CatalogCheck> used = {
        {"width range in cm", "select count(*) from FrnSet where FFBMin > 0 or FFBMax > 0"},
        {"height range in cm", "select count(*) from FrnSet where FFHMin > 0 or FFHMax > 0"},
        {"side-length condition", "select count(*) from FrnSet where FFL1No > 0 or FFL2No > 0"},
        {"partner side 1 condition", "select count(*) from FrnSet where FFL21No > 0"},
        {"partner side 2 condition", "select count(*) from FrnSet where FFL22No > 0"},
        {"radius range with a segment-arc mask", "select count(*) from FrnSet where FFR1Type = 4"},
        {"radius range with a semicircle mask", "select count(*) from FrnSet where FFR1Type = 2"},
        {"radius range for any side (mask 1)", "select count(*) from FrnSet where FFR1Type = 1 and FFR1Max > 0"},
        {"second radius condition", "select count(*) from FrnSet where FFR2No > 0"},
        {"corner-angle range", "select count(*) from FrnSet where FFANo > 0"},
        {"stulp mask", "select count(*) from FrnSet where StulpType > 1"},
        {"stulp mask on composite parts", "select count(*) from FrnItoI where StulpType > 1"},
        {"partner article (UseIfArt)", "select count(*) from FrnSet where UseIfArt <> ''"},
        {"quantity by FFB with ScaleStep", "select count(*) from FrnSet where ScaleCondition = 1 and ScaleScheme = ''"},
        {"quantity by FFB with ScaleScheme", "select count(*) from FrnSet where ScaleCondition = 1 and ScaleScheme <> ''"},
        {"quantity by FFH with ScaleStep", "select count(*) from FrnSet where ScaleCondition = 2 and ScaleScheme = ''"},
        {"quantity by FFH with ScaleScheme", "select count(*) from FrnSet where ScaleCondition = 2 and ScaleScheme <> ''"},
        {"quantity by side length with ScaleStep", "select count(*) from FrnSet where ScaleCondition in (3, 4) and ScaleScheme = ''"},
        {"quantity by side length with ScaleScheme", "select count(*) from FrnSet where ScaleCondition in (3, 4) and ScaleScheme <> ''"},
        {"formula with FFB", "select count(*) from FrnSet where LenFormula like 'FFB%'"},
        {"formula with FFН (Cyrillic Н)", "select count(*) from FrnSet where LenFormula like '%FFН%'"},
        {"formula with FН (Cyrillic Н)", "select count(*) from FrnSet where LenFormula like 'FН %'"},
        {"formula with FRH", "select count(*) from FrnSet where LenFormula like '%FRH%'"},
        {"formula with FFL(n)", "select count(*) from FrnSet where LenFormula like '%FFL(%'"},
        {"formula with FFG(n)", "select count(*) from FrnSet where LenFormula like '%FFG(%'"},
        {"minimum length", "select count(*) from FrnSet where MinLen > 0"},
        {"handle height by FFB (Condition 1)", "select count(*) from FrnSet where DefineHandleHeight = 1 and Condition = 1"},
        {"handle height by FFH (Condition 2)", "select count(*) from FrnSet where DefineHandleHeight = 1 and Condition = 2"},
        {"handle height by side length (Condition 4)", "select count(*) from FrnSet where DefineHandleHeight = 1 and Condition = 4"},
        {"handle on the first handled side (no HandleSideNo)", "select count(*) from FrnSet where DefineHandleHeight = 1 and HandleSideNo = 0"},
        {"article search by width and height (Condition 3)", "select count(*) from FrnSet where Condition = 3"},
        {"article search by corner angle (Condition 7)", "select count(*) from FrnSet where Condition = 7"},
        {"article search by radius (Condition 8)", "select count(*) from FrnSet where Condition = 8"},
        {"outer colour (ColorCondition 1)", "select count(*) from (select ColorCondition from FrnSet union all select ColorCondition from FrnItoI) where ColorCondition = 1"},
        {"inner colour (ColorCondition 2)", "select count(*) from (select ColorCondition from FrnSet union all select ColorCondition from FrnItoI) where ColorCondition = 2"},
        {"colour by opening kind (ColorCondition 3)", "select count(*) from (select ColorCondition from FrnSet union all select ColorCondition from FrnItoI) where ColorCondition = 3"},
        {"cover colour for a coloured element",
         "select count(*) from FrnSet s join FrnItem i on i.ID = s.Item where i.HasColor = 1 and s.ColorCondition = 0"},
        {"uncoloured fallback of a coloured element",
         "select count(*) from FrnArt a join FrnItem i on i.ID = a.ID where i.HasColor = 1 and a.Color = ''"},
        {"required with own alert", "select count(*) from FrnSet where Required = 1 and AlertIfNoArt <> ''"},
        {"required without own alert", "select count(*) from FrnSet where Required = 1 and AlertIfNoArt = ''"},
        {"note", "select count(*) from FrnSet where Note <> ''"},
        {"item side number", "select count(*) from FrnSet where ItemSideNo > 0"},
        {"part side number", "select count(*) from FrnItoI where ItemSideNo > 0"},
        {"virtual element in a set", "select count(*) from FrnSet s join FrnItem i on i.ID = s.Item where i.Virtual = 1"},
        {"composite element", "select count(*) from FrnSet where Item in (select ID from FrnItoI)"},
        {"virtual article", "select count(*) from FrnArt where CatalogID in (select ID from Catalog where Virtual = 1)"},
        {"test flag HasFalzLuft", "select count(*) from FrnItem where HasFalzLuft = 1"},
        {"test flag HasFalzSize", "select count(*) from FrnItem where HasFalzSize = 1"},
        {"test flag HasFalzPos", "select count(*) from FrnItem where HasFalzPos = 1"},
        {"test flag HasDornMass", "select count(*) from FrnItem where HasDornMass = 1"},
        {"test flag CheckWeight", "select count(*) from FrnItem where CheckWeight = 1"},
        {"test flag CheckThickness", "select count(*) from FrnItem where CheckThickness = 1"},
        {"test flag CheckProfWidth", "select count(*) from FrnItem where CheckProfWidth = 1"},
        {"test flag HasProfSys", "select count(*) from FrnItem where HasProfSys = 1"},
        {"test flag CheckStulpType", "select count(*) from FrnItem where CheckStulpType = 1"},
        {"test flag CheckDirect", "select count(*) from FrnItem where CheckDirect = 1"},
        {"article for both hands (Direct 3)", "select count(*) from FrnArt where Direct = 3"},
        {"strike plate for one system (CommonGrp mod 100 <> 0)",
         "select count(*) from FrnSchl s join FrnItem i on i.ID = s.Item where i.CommonGrp % 100 <> 0"},
        {"strike plate for a system group", "select count(*) from FrnSchl s join FrnItem i on i.ID = s.Item where i.CommonGrp <> 0 and i.CommonGrp % 100 = 0"},
        {"strike plate for every system", "select count(*) from FrnSchl s join FrnItem i on i.ID = s.Item where i.CommonGrp = 0"},
        {"strike plate for one parent set", "select count(*) from FrnSchl where ItemComplectID <> ''"},
        {"strike plate for one side", "select count(*) from FrnSchl where ItemSideNo <> 0"},
        {"strike plate for one stulp kind", "select count(*) from FrnSchl where StulpType <> 0"},
        {"strike plate under a property", "select count(*) from FrnSchl where PropKey <> 0"},
        {"coloured cover with an uncoloured fallback",
         "select count(*) from FrnAbd a where a.Color <> '' and exists (select 1 from FrnAbd b where b.CatalogID = a.CatalogID and b.Color = '')"},
        {"cover of a strike plate", "select count(*) from FrnAbd where CatalogID in (select CatalogID from FrnArt where ID in (select Item from FrnSchl))"},
        {"accessory of a cover", "select count(*) from FrnDop where CatalogID in (select AccessoryID from FrnAbd)"},
        {"accessory for one stulp kind", "select count(*) from FrnDop where StulpType <> 0"},
        {"accessory under a property", "select count(*) from FrnDop where PropKey <> 0"},
        {"accessory for one parent set", "select count(*) from FrnDop where ItemComplectID <> ''"},
        {"set rows restricted by properties", "select count(*) from FrnSet where PropKey <> 0"},
        {"composite parts restricted by properties", "select count(*) from FrnItoI where PropKey <> 0"},
        // Two rows of one element that no filter tells apart: the alternatives list.
        {"alternative articles",
         "select count(*) from (select ID from FrnArt group by ID, Color, FalzLuft, FalzSize, FalzPos, DornMassMin, DornMassMax, "
         "WeightMin, WeightMax, ThicknessMin, ThicknessMax, ProfWidthMin, ProfWidthMax, ProfSys, FFBMin, FFBMax, FFHMin, FFHMax, "
         "FFL1Min, FFL1Max, FFAMin, FFAMax, FFR1Min, FFR1Max, StulpType, Direct having count(*) > 1)"},
        {"set allowed on a T-shaped sash", "select count(*) from FrnComp where TFlugelAvailable = 1 and \"Group\" in (10, 12)"},
        {"set not allowed on a T-shaped sash", "select count(*) from FrnComp where TFlugelAvailable = 0 and \"Group\" in (10, 12)"},
        {"T-shaped sash opening type", "select count(*) from ParamList where ID between 400 and 499 and OpenType = 2"},
        {"segment-arc side", "select count(*) from FrnSide where HalfRadius = 1"},
        {"semicircle side", "select count(*) from FrnSide where FullRadius = 1"},
        {"hinge side with opening mark", "select count(*) from FrnSide where OpenMode = 1 and RotSide > 0"},
        {"handle measured from the side start", "select count(*) from FrnSide where Handled = 1 and HandleDirect = 0"},
        {"handle measured from the side end", "select count(*) from FrnSide where Handled = 1 and HandleDirect = 1"},
        {"banded side", "select count(*) from FrnSide where Banded = 1"},
        {"driven side", "select count(*) from FrnSide where Drived = 1"},
        {"main sets of both hands", "select count(*) from (select distinct Direct from FrnComp where \"Group\" in (10, 11) and Direct in (1, 2)) having count(*) = 2"},
        {"variant system in the same group",
         "select count(*) from SysList a join SysList b on a.ID < b.ID and a.CommonGrp / 100 = b.CommonGrp / 100 where a.Use = 1 and b.Use = 1"},
        {"system not offered", "select count(*) from SysList where Use = 0"},
        {"positive and negative price groups",
         "select count(*) from PriceGrp a, PriceGrp b where a.Reduce_1 > 0 and b.Reduce_1 < 0"},
        {"prices in three currencies", "select count(*) from (select distinct Currency from Catalog) having count(*) >= 3"},
        {"second maker article printed (UseArticle 2)", "select count(*) from Catalog where UseArticle = 2"},
        {"default property values", "select count(*) from FrnProp where \"Default\" = 1"},
    };
    for (const kvtest::CatalogCheck &c : used)
        EXPECT_GT(count(QString::fromUtf8(c.sql)), 0) << c.what;

    // Image codes 1 to 5 draw the handle symbol; each one appears on a main set.
    EXPECT_EQ(count(QStringLiteral("select count(distinct Image) from FrnComp where \"Group\" in (10, 11, 12) and Image between 1 and 5")), 5);
    // Every sub-group of the two-sash main-set filter is served.
    EXPECT_EQ(rows(QStringLiteral("select distinct SubGroup from FrnComp where \"Group\" in (10, 11, 12) order by SubGroup")),
              QStringList({"0", "11", "12", "13", "21", "22", "23"}));
}

// Sample orders: every set they name exists and is one the fittings dialog
// would offer for that figure, sash and product type, with codes and property
// values the dialogs can produce.
TEST_F(DemoData, SampleOrdersChooseOnlyWhatTheDialogsOffer)
{
    const QDir dir(QDir(demoDir()).filePath(QStringLiteral("orders")));
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 8);
    QSet<int> kinds;
    QSet<QString> chosen;
    for (const QString &file : files) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(kvtest::readFile(dir.filePath(file)), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << file.toStdString() << ": " << error.errorString().toStdString();
        const QStringList problems = checker.orderProblems(doc.object(), file);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
        for (const QJsonValue &pv : doc.object().value(QStringLiteral("Positions")).toArray()) {
            const QJsonObject pos = pv.toObject();
            kinds.insert(pos.value(QStringLiteral("Shape")).toObject().value(QStringLiteral("Kind")).toInt(-1));
            for (const char *sash : {"Sash1", "Sash2"}) {
                const QJsonObject choice = pos.value(QLatin1String(sash)).toObject();
                for (const char *slot : {"MainSet", "Handle", "HingeSet", "Lock", "Cylinder", "Closer", "Latch"})
                    chosen.insert(choice.value(QLatin1String(slot)).toString());
                for (const QJsonValue &extra : choice.value(QStringLiteral("AdditionalSets")).toArray())
                    chosen.insert(extra.toString());
            }
        }
    }
    EXPECT_EQ(kinds, QSet<int>({0, 1, 2, 3, 4, 5, 6, 7})) << "every figure has a sample order";
    // Running the samples exercises every set of the documentation.
    QStringList unused;
    for (const QString &set : rows(QStringLiteral("select ID from FrnComp order by ID")))
        if (!chosen.contains(set))
            unused << set;
    EXPECT_TRUE(unused.isEmpty()) << "sets no sample order chooses: " << unused.join(QLatin1Char(' ')).toStdString();
}

TEST(DemoReportList, LoadsIntoTheReportDatabase)
{
    const QString dir = QDir(kvtest::scratchDir()).filePath(QStringLiteral("demo-reports"));
    QDir().mkpath(dir);
    const QString conn = QStringLiteral("demo_reports_test");
    kv::createDatabase(kv::DatabaseKind::Report, dir);
    kv::openDatabase(kv::DatabaseKind::Report, dir, conn);
    kv::runSqlScript(conn, QString::fromUtf8(kvtest::readFile(QDir(demoDir()).filePath(QStringLiteral("reports.sql")))),
                     QStringLiteral("reports.sql"));
    {
        QSqlQuery q(QSqlDatabase::database(conn));
        ASSERT_TRUE(q.exec(QStringLiteral("select \"Group\", count(*), sum(\"Default\"), min(FileName like '\\%/%' escape '\\') from Report group by \"Group\" order by \"Group\"")));
        QStringList groups;
        while (q.next()) {
            groups << q.value(0).toString();
            EXPECT_GE(q.value(2).toInt(), 1) << "a document of group " << q.value(0).toInt() << " is printed by \"Печать группы\"";
            EXPECT_EQ(q.value(3).toInt(), 1) << "templates of group " << q.value(0).toInt() << " lie in the report directory";
        }
        EXPECT_EQ(groups, QStringList({"11", "12"}));
    }
    kv::closeDatabase(conn);
}

} // namespace
