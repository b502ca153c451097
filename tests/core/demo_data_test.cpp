// The demo documentation in data/demo: it loads into the catalogue schema,
// every reference in it resolves, it is consistent in the ways the engine and
// the dialogs rely on, it uses every documented mechanism, and the sample
// orders only choose what the fittings dialog would offer.
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

// Rows of a query, each as its columns joined by " | ".
QStringList rows(const QString &sql)
{
    QSqlQuery q(QSqlDatabase::database(kConnection));
    if (!q.exec(sql))
        return {QStringLiteral("query failed: ") + sql};
    QStringList out;
    while (q.next()) {
        QStringList cols;
        for (int i = 0; i < q.record().count(); ++i)
            cols << q.value(i).toString();
        out << cols.join(QStringLiteral(" | "));
    }
    return out;
}

qint64 count(const QString &sql)
{
    const QStringList r = rows(sql);
    return r.isEmpty() ? -1 : r.first().toLongLong();
}

struct Check
{
    const char *what;
    const char *sql; // lists the offending rows
};

class DemoData : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static bool loaded = false; // once per process, for both suites
        if (loaded)
            return;
        loaded = true;
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

    static void expectNoRows(const std::vector<Check> &checks)
    {
        for (const Check &c : checks) {
            const QStringList bad = rows(QString::fromUtf8(c.sql));
            EXPECT_TRUE(bad.isEmpty()) << c.what << ":\n  " << bad.join(QStringLiteral("\n  ")).toStdString();
        }
    }
};

TEST_F(DemoData, LoadsWithTheScriptsInOrder)
{
    EXPECT_EQ(demoScripts().size(), 5);
    EXPECT_GE(count(QStringLiteral("select count(*) from Catalog")), 200);
    EXPECT_GE(count(QStringLiteral("select count(*) from FrnComp")), 40);
}

TEST_F(DemoData, EveryReferenceResolves)
{
    expectNoRows({
        {"set rows of unknown sets", "select ID, Item from FrnSet where ID not in (select ID from FrnComp)"},
        {"set rows naming unknown elements", "select ID, Item from FrnSet where Item not in (select ID from FrnItem)"},
        {"side rows of unknown sets", "select ID, Side from FrnSide where ID not in (select ID from FrnComp)"},
        {"article rows of unknown elements", "select ID, CatalogID from FrnArt where ID not in (select ID from FrnItem)"},
        {"element articles missing from the catalogue", "select ID, CatalogID from FrnArt where CatalogID not in (select ID from Catalog)"},
        {"composite parts", "select ID, Item from FrnItoI where ID not in (select ID from FrnItem) or Item not in (select ID from FrnItem)"},
        {"strike plates", "select CatalogID, Item from FrnSchl where CatalogID not in (select ID from Catalog) or Item not in (select ID from FrnItem)"},
        {"covers", "select CatalogID, AccessoryID from FrnAbd where CatalogID not in (select ID from Catalog) or AccessoryID not in (select ID from Catalog)"},
        {"accessories", "select CatalogID, AccessoryID from FrnDop where CatalogID not in (select ID from Catalog) or AccessoryID not in (select ID from Catalog)"},
        {"parent sets of strike plates and accessories",
         "select CatalogID, ItemComplectID from FrnSchl where ItemComplectID <> '' and ItemComplectID not in (select ID from FrnComp) "
         "union all select CatalogID, ItemComplectID from FrnDop where ItemComplectID <> '' and ItemComplectID not in (select ID from FrnComp)"},
        {"partner articles (UseIfArt)", "select ID, UseIfArt from FrnSet where UseIfArt <> '' and UseIfArt not in (select ID from Catalog)"},
        {"symmetric sets", "select ID, SymmetricID from FrnComp where SymmetricID <> '' and SymmetricID not in (select ID from FrnComp)"},
        {"colours of articles and covers",
         "select ID, Color from FrnArt where Color <> '' and Color not in (select Color from COLORSET) "
         "union all select CatalogID, Color from FrnAbd where Color <> '' and Color not in (select Color from COLORSET)"},
        {"strike-plate systems of articles", "select ID, ProfSys from FrnArt where ProfSys <> '' and ProfSys not in (select SchlSysID from SysProf)"},
        {"property values", "select PropKey, ID from FrnProp where ID not in (select ID from SysProp)"},
        // A key without rows admits everything: a mistyped key would silently drop a restriction.
        {"property keys without rows",
         "select 'FrnSet', ID, PropKey from FrnSet where PropKey <> 0 and PropKey not in (select PropKey from FrnProp) "
         "union all select 'FrnComp', ID, PropKey from FrnComp where PropKey <> 0 and PropKey not in (select PropKey from FrnProp) "
         "union all select 'FrnSchl', CatalogID, PropKey from FrnSchl where PropKey <> 0 and PropKey not in (select PropKey from FrnProp) "
         "union all select 'FrnDop', CatalogID, PropKey from FrnDop where PropKey <> 0 and PropKey not in (select PropKey from FrnProp) "
         "union all select 'FrnItoI', ID, PropKey from FrnItoI where PropKey <> 0 and PropKey not in (select PropKey from FrnProp)"},
        {"currencies and price groups of articles",
         "select ID, Currency, PriceGrp from Catalog where Currency not in (select ID from Currency) "
         "or (PriceGrp <> 0 and PriceGrp not in (select GroupID from PriceGrp))"},
        {"system colours", "select ID, System from SysColor where ID not in (select Color from COLORSET) or System not in (select ID from SysList)"},
        {"base colours of systems", "select ID, BaseColor from SysList where BaseColor not in (select Color from COLORSET)"},
        {"strike-plate systems belong to a system group",
         "select SchlSysID, FurnSysID from SysProf where cast(FurnSysID as integer) not in (select CommonGrp / 100 * 100 from SysList)"},
        {"set system groups", "select ID, CommonGrp from FrnComp where CommonGrp <> 0 and CommonGrp not in "
                              "(select CommonGrp from SysList union select CommonGrp / 100 * 100 from SysList)"},
        {"set materials", "select ID, Material from FrnComp where Material not in (select ID from Material)"},
        {"parameter codes outside the four views", "select ID from ParamList where ID < 100 or ID > 499"},
    });
}

TEST_F(DemoData, DocumentationIsConsistent)
{
    expectNoRows({
        {"sets with one base currency", "select count(*) from Currency where Value = 1 having count(*) <> 1"},
        {"base currency without word forms",
         "select ID from Currency where Value = 1 and (Nominative = '' or Genitive = '' or GenitivePlural = '' "
         "or DecNominative = '' or DecGenitive = '' or DecGenitivePlural = '')"},
        // The position dialog's figure list needs a side table on every main set.
        {"main sets without a side table", "select ID from FrnComp where \"Group\" in (10, 11, 12) and ID not in (select ID from FrnSide)"},
        {"side tables with gaps or fewer than three sides",
         "select ID, count(*), max(Side) from FrnSide group by ID having count(*) < 3 or max(Side) <> count(*) or min(Side) <> 1"},
        {"side ranges upside down", "select ID, Side from FrnSide where MinSize > MaxSize or MinAngle > MaxAngle or MinRadius > MaxRadius"},
        {"opening marks pointing outside the outline",
         "select s.ID, s.Side from FrnSide s where s.OpenMode = 1 and (s.RotSide < 1 or s.RotSide > (select count(*) from FrnSide t where t.ID = s.ID))"},
        // Side and corner numbers of set rows must exist on the outline the set is made for.
        {"set rows using sides the set does not have",
         "select r.ID, r.Item from FrnSet r join (select ID, count(*) n from FrnSide group by ID) s on s.ID = r.ID "
         "where r.Side1No > s.n or r.Side2No > s.n or r.AngleNo > s.n or r.FFL1No > s.n or r.FFL2No > s.n "
         "or r.FFANo > s.n or r.FFR1No > s.n or r.FFR2No > s.n or r.HandleSideNo > s.n"},
        {"conditions outside 0..10 and 0..4", "select ID, Item from FrnSet where Condition not between 0 and 10 or ScaleCondition not between 0 and 4"},
        // Scaling without a scheme divides by ScaleStep.
        {"scaling with step 0", "select ID, Item from FrnSet where ScaleCondition <> 0 and ScaleScheme = '' and ScaleStep < 1"},
        {"set rows with the size ranges upside down",
         "select ID, Item from FrnSet where (FFBMax > 0 and FFBMin > FFBMax) or (FFHMax > 0 and FFHMin > FFHMax) "
         "or (FFL1Max > 0 and FFL1Min > FFL1Max) or (FFL2Max > 0 and FFL2Min > FFL2Max) or (FFAMax > 0 and FFAMin > FFAMax)"},
        {"article rows with ranges upside down",
         "select ID, CatalogID from FrnArt where FFBMin > FFBMax or FFHMin > FFHMax or FFL1Min > FFL1Max or FFAMin > FFAMax "
         "or FFR1Min > FFR1Max or DornMassMin > DornMassMax or WeightMin > WeightMax or ThicknessMin > ThicknessMax "
         "or ProfWidthMin > ProfWidthMax"},
        // Elements a set names must give something: an article, parts, or be virtual on purpose.
        {"elements with nothing to give",
         "select distinct Item from FrnSet where Item not in (select ID from FrnArt) and Item not in (select ID from FrnItoI) "
         "and Item not in (select ID from FrnItem where Virtual = 1)"},
        {"virtual elements without parts", "select ID from FrnItem where Virtual = 1 and ID not in (select ID from FrnItoI)"},
        {"coloured elements with uncoloured-only articles",
         "select ID from FrnItem where HasColor = 1 and ID not in (select ID from FrnArt where Color <> '')"},
        // The strike-plate stage resolves its elements with required = true.
        {"strike-plate elements without articles", "select distinct Item from FrnSchl where Item not in (select ID from FrnArt)"},
        {"property groups with two defaults", "select PropKey, ID / 10 from FrnProp where \"Default\" = 1 group by PropKey, ID / 10 having count(*) > 1"},
        {"flags that are not 0 or 1",
         "select ID from FrnItem where HasDornMass not in (0, 1) or HasProfSys not in (0, 1) or CheckWeight not in (0, 1) "
         "or HasColor not in (0, 1) or HasFalzLuft not in (0, 1) or HasFalzSize not in (0, 1) or HasFalzPos not in (0, 1) "
         "or CheckThickness not in (0, 1) or CheckProfWidth not in (0, 1) or CheckStulpType not in (0, 1) "
         "or CheckDirect not in (0, 1) or Virtual not in (0, 1)"},
        {"rebate codes with a parameter below 1", "select ID from ParamList where ID between 100 and 199 and (FalzLuft < 1 or FalzSize < 1 or FalzPos < 1)"},
        {"dorn codes without a size", "select ID from ParamList where ID between 200 and 299 and DornMass <= 0"},
    });
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
    const std::vector<Check> used = {
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
    for (const Check &c : used)
        EXPECT_GT(count(QString::fromUtf8(c.sql)), 0) << c.what;

    // Image codes 1 to 5 draw the handle symbol; each one appears on a main set.
    EXPECT_EQ(count(QStringLiteral("select count(distinct Image) from FrnComp where \"Group\" in (10, 11, 12) and Image between 1 and 5")), 5);
    // Every sub-group of the two-sash main-set filter is served.
    EXPECT_EQ(rows(QStringLiteral("select distinct SubGroup from FrnComp where \"Group\" in (10, 11, 12) order by SubGroup")),
              QStringList({"0", "11", "12", "13", "21", "22", "23"}));
}

// ---------------------------------------------------------------------------
// Sample orders: every set they name exists and is one the fittings dialog
// would offer for that figure, sash and product type, with codes and property
// values the dialogs can produce.

QString one(const QString &sql, const QStringList &binds)
{
    QSqlQuery q(QSqlDatabase::database(kConnection));
    q.prepare(sql);
    for (const QString &b : binds)
        q.addBindValue(b);
    if (!q.exec() || !q.next())
        return {};
    return q.value(0).toString();
}

class SampleOrders : public DemoData
{
protected:
    QStringList problems;
    QString where;

    void problem(const QString &text) { problems << where + QStringLiteral(": ") + text; }

    void expectCode(int code, int lo, int hi, const char *what)
    {
        if (code < lo || code > hi || one(QStringLiteral("select ID from ParamList where ID = ?"), {QString::number(code)}).isEmpty())
            problem(QStringLiteral("%1 %2 is not a code of %3-%4").arg(QString::fromUtf8(what)).arg(code).arg(lo).arg(hi));
    }

    // Checks one set of a slot against the dialog's filters.
    void expectSet(const QString &id, const QList<int> &groups, int systemGroup, const char *slot)
    {
        if (id.isEmpty())
            return;
        const QStringList r = rows(QStringLiteral("select \"Group\", CommonGrp, Use, Material from FrnComp where ID = '%1'").arg(id));
        if (r.isEmpty()) {
            problem(QStringLiteral("%1 set %2 does not exist").arg(QString::fromUtf8(slot), id));
            return;
        }
        const QStringList f = r.first().split(QStringLiteral(" | "));
        const int group = f[0].toInt(), common = f[1].toInt();
        if (!groups.isEmpty() && !groups.contains(group))
            problem(QStringLiteral("%1 set %2 has group %3").arg(QString::fromUtf8(slot), id).arg(group));
        if (common != 0 && common != systemGroup && common != systemGroup / 100 * 100)
            problem(QStringLiteral("%1 set %2 is not offered for system group %3").arg(QString::fromUtf8(slot), id).arg(systemGroup));
        if (f[2].toInt() != 1)
            problem(QStringLiteral("set %1 is not in use").arg(id));
        if (f[3].toInt() != 0 && f[3].toInt() != 1) // new orders use material 1
            problem(QStringLiteral("set %1 is for material %2").arg(id, f[3]));
    }

    void expectSash(const QJsonObject &sash, bool door, int systemGroup, const QList<int> &subGroups)
    {
        const QString main = sash.value(QStringLiteral("MainSet")).toString();
        if (main.isEmpty())
            problem(QStringLiteral("no main set"));
        expectSet(main, door ? QList<int>{11, 12} : QList<int>{10, 12}, systemGroup, "main");
        const int sub = one(QStringLiteral("select SubGroup from FrnComp where ID = ?"), {main}).toInt();
        if (!subGroups.contains(sub))
            problem(QStringLiteral("main set %1 has sub-group %2").arg(main).arg(sub));
        const QString handle = sash.value(QStringLiteral("Handle")).toString();
        expectSet(handle, door ? QList<int>{31, 33, 34, 32} : QList<int>{30, 32}, systemGroup, "handle");
        const int handleGroup = one(QStringLiteral("select \"Group\" from FrnComp where ID = ?"), {handle}).toInt();
        QList<int> locks = door ? QList<int>{41, 43, 44, 42} : QList<int>{40, 42};
        if (handleGroup == 33)
            locks = {41, 43, 42};
        if (handleGroup == 34)
            locks = {41, 44, 42};
        expectSet(sash.value(QStringLiteral("HingeSet")).toString(), door ? QList<int>{21, 22} : QList<int>{20, 22}, systemGroup, "hinge");
        expectSet(sash.value(QStringLiteral("Lock")).toString(), locks, systemGroup, "lock");
        expectSet(sash.value(QStringLiteral("Cylinder")).toString(), {45}, systemGroup, "cylinder");
        expectSet(sash.value(QStringLiteral("Closer")).toString(), {50}, systemGroup, "closer");
        expectSet(sash.value(QStringLiteral("Latch")).toString(), {46}, systemGroup, "latch");
        for (const QJsonValue &extra : sash.value(QStringLiteral("AdditionalSets")).toArray())
            expectSet(extra.toString(), {}, systemGroup, "additional");
        expectCode(sash.value(QStringLiteral("Dorn")).toInt(), 200, 299, "Dorn");

        // Property lines name a value that the chosen component of that category offers.
        const char *slots[] = {"MainSet", "Handle", "HingeSet", "Lock", "Cylinder", "Closer", "Latch"};
        for (const QJsonValue &line : sash.value(QStringLiteral("Properties")).toArray()) {
            const QString text = line.toString();
            const int category = text.left(1).toInt();
            if (text.size() < 3 || text.at(1) != QLatin1Char('=') || category < 0 || category > 6) {
                problem(QStringLiteral("property line %1").arg(text));
                continue;
            }
            const QString set = sash.value(QLatin1String(slots[category])).toString();
            if (one(QStringLiteral("select p.ID from FrnProp p join FrnComp c on c.PropKey = p.PropKey where c.ID = ? and p.ID = ?"),
                    {set, text.mid(2)}).isEmpty())
                problem(QStringLiteral("property %1 is not offered by %2").arg(text, set));
        }
    }
};

TEST_F(SampleOrders, ChooseOnlyWhatTheDialogsOffer)
{
    const QDir dir(QDir(demoDir()).filePath(QStringLiteral("orders")));
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 8);
    QSet<int> kinds;
    for (const QString &file : files) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(kvtest::readFile(dir.filePath(file)), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << file.toStdString() << ": " << error.errorString().toStdString();
        const QJsonObject order = doc.object();
        where = file;
        if (one(QStringLiteral("select ID from Currency where ID = ?"), {QString::number(order.value(QStringLiteral("Currency")).toInt())}).isEmpty())
            problem(QStringLiteral("unknown currency"));
        for (const QJsonValue &rate : order.value(QStringLiteral("Rates")).toArray())
            if (one(QStringLiteral("select ID from Currency where ID = ?"), {QString::number(rate.toObject().value(QStringLiteral("ID")).toInt())}).isEmpty())
                problem(QStringLiteral("rate of an unknown currency"));
        for (const char *colour : {"InnerColor", "OuterColor"})
            if (one(QStringLiteral("select Color from COLORSET where Color = ?"), {order.value(QLatin1String(colour)).toString()}).isEmpty())
                problem(QStringLiteral("unknown %1").arg(QLatin1String(colour)));
        const QJsonArray positions = order.value(QStringLiteral("Positions")).toArray();
        if (positions.isEmpty())
            problem(QStringLiteral("no positions"));
        for (const QJsonValue &pv : positions) {
            const QJsonObject pos = pv.toObject();
            where = file + QStringLiteral(" position ") + pos.value(QStringLiteral("PosNo")).toString();
            // Position values default to the order's.
            auto value = [&](const char *key) { return pos.contains(QLatin1String(key)) ? pos.value(QLatin1String(key)) : order.value(QLatin1String(key)); };
            const QString system = value("FurnSys").toString();
            const QString common = one(QStringLiteral("select CommonGrp from SysList where ID = ? and \"Group\" = 1 and Use = 1"), {system});
            if (common.isEmpty()) {
                problem(QStringLiteral("system %1 is not offered").arg(system));
                continue;
            }
            if (one(QStringLiteral("select SchlSysID from SysProf where SchlSysID = ? and FurnSysID = ?"),
                    {value("ProfSys").toString(), QString::number(system.toInt() / 100 * 100)}).isEmpty())
                problem(QStringLiteral("strike-plate system %1 does not belong to %2").arg(value("ProfSys").toString(), system));
            if (one(QStringLiteral("select ID from SysColor where ID = ? and System = ?"), {value("FurnColor").toString(), system}).isEmpty())
                problem(QStringLiteral("cover colour %1 is not offered for %2").arg(value("FurnColor").toString(), system));
            expectCode(value("FalzType").toInt(), 100, 199, "FalzType");
            expectCode(value("StulpType").toInt(), 300, 399, "StulpType");
            expectCode(value("OpenType").toInt(), 400, 499, "OpenType");

            const int kind = pos.value(QStringLiteral("Shape")).toObject().value(QStringLiteral("Kind")).toInt(-1);
            kinds.insert(kind);
            const bool door = pos.value(QStringLiteral("ObjectType")).toInt() == 1;
            const QJsonObject s1 = pos.value(QStringLiteral("Sash1")).toObject();
            const QJsonObject s2 = pos.value(QStringLiteral("Sash2")).toObject();
            const int g = common.toInt();
            if (kind == 1) { // right sash main
                expectSash(s2, door, g, {21});
                expectSash(s1, door, g, {12, 13, 14});
            } else if (kind == 2) { // left sash main
                expectSash(s1, door, g, {11});
                expectSash(s2, door, g, {22, 23, 24});
            } else if (kind >= 0 && kind <= 7) {
                expectSash(s1, door, g, {0});
                if (pos.contains(QStringLiteral("Sash2")))
                    problem(QStringLiteral("a single-sash figure with a second sash"));
            } else {
                problem(QStringLiteral("figure %1").arg(kind));
            }
        }
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(kinds.size(), 8) << "every figure has a sample order";
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
