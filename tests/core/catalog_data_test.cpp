// The catalogue data module: views, orders, fields, locate, filtered scans,
// writing through, and the open/close helpers.
#include "support/CatalogFixture.h"
#include "support/QStringPrinter.h"
#include "core/Data.h"
#include "tools/Errors.h"
#include "tools/RecordingMessages.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <thread>

using namespace kv;
using kvtest::CatalogFixture;

namespace {

// Values of one field over the whole current view, in iteration order.
QStringList column(TDataTable &t, const QString &field)
{
    QStringList out;
    for (t.first(); !t.eof(); t.next())
        out << t.fieldByName(field).asString();
    return out;
}

struct Opened : CatalogFixture
{
    explicit Opened(const QString &script)
    {
        sql(script);
        EXPECT_TRUE(dm.OpenCatalogTables());
    }
    RecordingMessages messages;
};

} // namespace

TEST(CatalogViews, ParamListRangesHideEveryOtherRowFromEveryView)
{
    Opened f(QStringLiteral(
        "insert into ParamList(ID, Name, FalzLuft, DornMass, StulpType, OpenType) values"
        "(99,'n99',1,1.5,1,1),(100,'f100',12,0,0,0),(199,'f199',13,0,0,0),(200,'d200',0,7.5,0,0),"
        "(299,'d299',0,9,0,0),(300,'s300',0,0,2,0),(399,'s399',0,0,3,0),(400,'o400',0,0,0,4),"
        "(499,'o499',0,0,0,5),(500,'n500',0,0,0,6);"));
    struct Case
    {
        TDataTable *view;
        QStringList names;
    } cases[] = {
        {&f.dm.T_FalzList, {"f100", "f199"}},
        {&f.dm.T_DornList, {"d200", "d299"}},
        {&f.dm.T_StulpList, {"s300", "s399"}},
        {&f.dm.T_OpenList, {"o400", "o499"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.view->name().toStdString());
        EXPECT_EQ(column(*c.view, QStringLiteral("Name")), c.names);
        EXPECT_FALSE(c.view->locate(QStringLiteral("ID"), 99));
        EXPECT_FALSE(c.view->locate(QStringLiteral("ID"), 500));
        // A filter of its own narrows the fixed range, never widens it.
        FilteredScan scan(*c.view, QStringLiteral("ID < 1000"));
        EXPECT_EQ(scan.count(), 2);
        EXPECT_FALSE(c.view->locate(QStringLiteral("ID"), 500));
    }
    EXPECT_TRUE(f.messages.isEmpty());
}

TEST(CatalogViews, EachParamListViewBindsItsOwnFields)
{
    Opened f(QStringLiteral("insert into ParamList(ID, Name, FalzLuft, DornMass) values (150,'f',12,0),(250,'d',0,7.5);"));
    EXPECT_NE(f.dm.T_FalzList.findField(QStringLiteral("FalzLuft")), nullptr);
    EXPECT_EQ(f.dm.T_FalzList.findField(QStringLiteral("DornMass")), nullptr);
    EXPECT_EQ(f.dm.T_DornList.findField(QStringLiteral("FalzLuft")), nullptr);
    ASSERT_TRUE(f.dm.T_DornList.locate(QStringLiteral("ID"), 250));
    EXPECT_DOUBLE_EQ(f.dm.T_DornList.asFloat(QStringLiteral("DornMass")), 7.5);
    QStringList openFields;
    for (const auto &fld : f.dm.T_OpenList.fields())
        openFields << fld->fieldName();
    EXPECT_EQ(openFields, (QStringList{"ID", "OpenType", "Name"}));
}

TEST(CatalogFields, UnboundColumnReadsAsNoValueWithoutError)
{
    Opened f(QStringLiteral("insert into Catalog(ID, Name, GOST, ShortName) values ('A1', 'Петля', 'ГОСТ 5088', 'П');"));
    TDataTable &c = f.dm.T_Catalog;
    ASSERT_TRUE(c.locate(QStringLiteral("ID"), QStringLiteral("A1")));
    EXPECT_EQ(c.findField(QStringLiteral("GOST")), nullptr);
    EXPECT_FALSE(c.fieldValue(QStringLiteral("GOST")).isValid());
    EXPECT_FALSE(c.fieldValue(QStringLiteral("ShortName")).isValid());
    EXPECT_EQ(c.fieldValue(QStringLiteral("Name")).toString(), QStringLiteral("Петля"));
    EXPECT_EQ(c.fieldValue(QStringLiteral("name")).toString(), QStringLiteral("Петля")); // names ignore case
    // The typed reads are for fields the code knows to be bound.
    EXPECT_THROW(c.asString(QStringLiteral("GOST")), Error);
}

TEST(CatalogFields, LookupFieldsReadOtherTablesWithoutMovingThem)
{
    Opened f(QStringLiteral(
        "insert into FrnItem(ID, Name) values ('E1','Угловой привод'),('E2','Ножницы');"
        "insert into FrnSet(ID, Item) values ('S','E2'),('S','E9');"
        "insert into COLORSET(Color, Name) values ('W','Белый');"
        "insert into SysColor(ID, System) values ('W','SYS'),('X','SYS');"
        "insert into Currency(ID, Name) values (1,'EUR');"
        "insert into PriceGrp(GroupID, Name) values (3,'Скидка');"
        "insert into Catalog(ID, Currency, PriceGrp) values ('A',1,3),('B',2,0);"));
    TDataTable &items = f.dm.T_FrnItem;
    ASSERT_TRUE(items.locate(QStringLiteral("ID"), QStringLiteral("E1")));

    TDataTable &set = f.dm.T_FrnSet;
    set.first();
    EXPECT_EQ(set.asString(QStringLiteral("ItemLookup")), QStringLiteral("Ножницы"));
    set.next();
    EXPECT_TRUE(set.findField(QStringLiteral("ItemLookup"))->isNull()); // E9 is not an element
    EXPECT_EQ(items.asString(QStringLiteral("ID")), QStringLiteral("E1"));

    // Declared but never computed.
    for (const char *calc : {"Selected", "StulpTypeLookup", "RadiusType1Lookup", "RadiusType2Lookup"}) {
        const TField *fld = set.findField(QString::fromLatin1(calc));
        ASSERT_NE(fld, nullptr) << calc;
        EXPECT_TRUE(fld->isNull()) << calc;
        EXPECT_EQ(fld->asString(), QString()) << calc;
    }

    f.dm.T_SysColor.first();
    EXPECT_EQ(f.dm.T_SysColor.asString(QStringLiteral("ColorName")), QStringLiteral("Белый"));
    f.dm.T_SysColor.next();
    EXPECT_EQ(f.dm.T_SysColor.asString(QStringLiteral("ColorName")), QString());

    TDataTable &c = f.dm.T_Catalog;
    ASSERT_TRUE(c.locate(QStringLiteral("ID"), QStringLiteral("A")));
    EXPECT_EQ(c.asString(QStringLiteral("CurrencyLookup")), QStringLiteral("EUR"));
    EXPECT_EQ(c.asString(QStringLiteral("PriceGroupLookup")), QStringLiteral("Скидка"));
    ASSERT_TRUE(c.locate(QStringLiteral("ID"), QStringLiteral("B")));
    EXPECT_TRUE(c.findField(QStringLiteral("CurrencyLookup"))->isNull());
}

TEST(CatalogOrder, TablesIterateInTheirIndexOrderWhateverTheInsertionOrder)
{
    Opened f(QStringLiteral(
        "insert into FrnSet(ID, Item, Note) values ('S2','B','1'),('S1','C','2'),('S1','A','3'),"
        "('S1','C','4'),('S1','B','5'),('S1','A','6');"
        "insert into FrnArt(ID, CatalogID, Color) values ('E','Z','1'),('E','A','2'),('D','Z','3'),('E','A','4');"
        "insert into FrnSchl(CatalogID, Item) values ('K2','1'),('K1','2'),('K2','3'),('K1','4');"
        "insert into FrnAbd(CatalogID, AccessoryID) values ('K2','1'),('K1','2'),('K2','3');"
        "insert into ParamList(ID, Name) values (120,'b'),(110,'a'),(130,'c');"
        "insert into Catalog(ID) values ('b'),('B'),('a'),('A');"));
    EXPECT_EQ(column(f.dm.T_FrnSet, QStringLiteral("Note")), (QStringList{"3", "6", "5", "2", "4", "1"}));
    {
        // The rows of one set come by Item, then as entered.
        FilteredScan scan(f.dm.T_FrnSet, QStringLiteral("ID = 'S1'"));
        EXPECT_EQ(column(f.dm.T_FrnSet, QStringLiteral("Note")), (QStringList{"3", "6", "5", "2", "4"}));
    }
    EXPECT_EQ(column(f.dm.T_FrnArt, QStringLiteral("Color")), (QStringList{"3", "2", "4", "1"}));
    EXPECT_EQ(column(f.dm.T_FrnSchl, QStringLiteral("Item")), (QStringList{"2", "4", "1", "3"}));
    EXPECT_EQ(column(f.dm.T_FrnAbd, QStringLiteral("AccessoryID")), (QStringList{"2", "1", "3"}));
    EXPECT_EQ(column(f.dm.T_FalzList, QStringLiteral("Name")), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(column(f.dm.T_Catalog, QStringLiteral("ID")), (QStringList{"A", "B", "a", "b"}));
}

TEST(CatalogOrder, SortingBySecondaryIndexOrFieldsAndBack)
{
    Opened f(QStringLiteral("insert into Catalog(ID, Name, \"Group\") values "
                            "('1','beta',2),('2','Alpha',3),('3','gamma',1),('4','Бета',1),('5','альфа',2);"));
    TDataTable &c = f.dm.T_Catalog;
    ASSERT_TRUE(c.locate(QStringLiteral("ID"), QStringLiteral("3")));
    c.setIndexName(QStringLiteral("NameIndex"));
    EXPECT_EQ(c.asString(QStringLiteral("ID")), QStringLiteral("3")); // the current record stays
    EXPECT_EQ(column(c, QStringLiteral("ID")), (QStringList{"2", "1", "3", "5", "4"}));
    c.setIndexFieldNames(QStringLiteral("Group;ID"));
    EXPECT_EQ(column(c, QStringLiteral("ID")), (QStringList{"3", "4", "1", "5", "2"}));
    EXPECT_THROW(c.setIndexFieldNames(QStringLiteral("CurrencyLookup")), Error);
    EXPECT_THROW(c.setIndexName(QStringLiteral("NoSuchIndex")), Error);
    EXPECT_EQ(c.indexFieldNames(), QStringLiteral("Group;ID")); // a refused order changes nothing
    c.setIndexFieldNames(QString());
    EXPECT_EQ(column(c, QStringLiteral("ID")), (QStringList{"1", "2", "3", "4", "5"}));
}

TEST(CatalogLocate, ExactCaseSensitiveOnOneOrTwoFields)
{
    Opened f(QStringLiteral(
        "insert into Catalog(ID, Name) values ('AB','upper'),('ABC','longer'),('ab ','blank');"
        "insert into FrnSide(ID, Side, HandleDirect) values ('S',1,10),('S',2,20),('T',2,30);"
        "insert into FrnProp(PropKey, ID) values (7, 11),(7, 12),(8, 12);"));
    TDataTable &c = f.dm.T_Catalog;
    ASSERT_TRUE(c.locate(QStringLiteral("ID"), QStringLiteral("ABC")));
    EXPECT_FALSE(c.locate(QStringLiteral("ID"), QStringLiteral("ab")));
    EXPECT_FALSE(c.locate(QStringLiteral("ID"), QStringLiteral("A"))); // no partial keys
    EXPECT_EQ(c.asString(QStringLiteral("ID")), QStringLiteral("ABC")); // a miss leaves the position
    EXPECT_TRUE(c.locate(QStringLiteral("ID"), QStringLiteral("ab ")));
    EXPECT_TRUE(c.locate(QStringLiteral("ID"), QStringLiteral("ab"), LocateOption::CaseInsensitive | LocateOption::PartialKey));
    EXPECT_EQ(c.asString(QStringLiteral("ID")), QStringLiteral("AB"));

    TDataTable &s = f.dm.T_FrnSide;
    ASSERT_TRUE(s.locate(QStringLiteral("ID;Side"), {QStringLiteral("T"), 2}));
    EXPECT_EQ(s.asInteger(QStringLiteral("HandleDirect")), 30);
    EXPECT_FALSE(s.locate(QStringLiteral("ID;Side"), {QStringLiteral("T"), 1}));
    ASSERT_TRUE(s.findKey({QStringLiteral("S"), 2}));
    EXPECT_EQ(s.asInteger(QStringLiteral("HandleDirect")), 20);

    TDataTable &p = f.dm.T_FrnProp;
    EXPECT_TRUE(p.locate(QStringLiteral("PropKey;ID"), {8, 12}));
    EXPECT_FALSE(p.locate(QStringLiteral("PropKey;ID"), {8, 11}));
    EXPECT_THROW(p.locate(QStringLiteral("PropKey;Nope"), {8, 11}), Error);
    EXPECT_THROW(p.locate(QStringLiteral("PropKey"), QStringLiteral("x")), Error);
}

TEST(CatalogLocate, SeesOnlyTheFilteredRows)
{
    Opened f(QStringLiteral("insert into FrnSchl(CatalogID, Item, StulpType) values ('K','a',1),('K','b',2),('L','c',2);"));
    TDataTable &t = f.dm.T_FrnSchl;
    FilteredScan scan(t, QStringLiteral("StulpType = 2"));
    ASSERT_TRUE(t.locate(QStringLiteral("CatalogID"), QStringLiteral("K")));
    EXPECT_EQ(t.asString(QStringLiteral("Item")), QStringLiteral("b"));
    EXPECT_EQ(t.recNo(), 1);
    EXPECT_FALSE(t.locate(QStringLiteral("Item"), QStringLiteral("a")));
}

TEST(CatalogOpen, MissingTableIsReportedOnceAndTheOthersOpen)
{
    CatalogFixture f;
    f.sql(QStringLiteral("drop table FrnDop; insert into FrnItoI(ID, Item) values ('C','P');"));
    RecordingMessages messages;
    EXPECT_TRUE(f.dm.OpenCatalogTables()); // the result is the last table's
    ASSERT_EQ(messages.texts(), QStringList{QStringLiteral("Ошибка открытия файла [FrnDop]\r\n(no such table: FrnDop)")});
    for (TDataTable *t : f.dm.catalogTables())
        EXPECT_EQ(t->isActive(), t != &f.dm.T_FrnDop) << t->name().toStdString();
    EXPECT_THROW(f.dm.T_FrnDop.first(), Error);
    EXPECT_THROW(f.dm.T_FrnDop.locate(QStringLiteral("CatalogID"), QStringLiteral("x")), Error);
    EXPECT_EQ(f.dm.T_FrnItoI.recordCount(), 1);
}

TEST(CatalogOpen, ResultIsWhetherTheLastTableOpened)
{
    CatalogFixture f;
    f.sql(QStringLiteral("alter table FrnItoI drop column Note;"));
    RecordingMessages messages;
    EXPECT_FALSE(f.dm.OpenCatalogTables());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().at(0).startsWith(QStringLiteral("Ошибка открытия файла [FrnItoI]\r\n(")));
    EXPECT_TRUE(messages.texts().at(0).contains(QStringLiteral("Note")));
    EXPECT_TRUE(f.dm.T_FrnAbd.isActive());
}

TEST(CatalogOpen, MissingDatabaseFileIsCreatedFromTheSchema)
{
    const QString dir = kvtest::freshDir();
    TDM dm;
    dm.OpenDatabases(dir, dir, dir);
    RecordingMessages messages;
    EXPECT_TRUE(dm.OpenCatalogTables());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/catalog.sqlite")));
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/register.sqlite")));
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/reports.sqlite")));
    EXPECT_TRUE(OpenDataSet(dm.T_OrderList));
    EXPECT_THROW(TDM().OpenDatabase(DatabaseKind::Catalog, dir + QStringLiteral("/missing")), Error);
}

TEST(FilteredScanGuard, RestoresTheTableOnEveryWayOut)
{
    Opened f(QStringLiteral("insert into FrnArt(ID, CatalogID) values ('E','1'),('E','2'),('F','3');"));
    TDataTable &t = f.dm.T_FrnArt;
    int changed = 0;
    QObject::connect(&t, &TDataSet::dataChanged, [&changed] { ++changed; });
    {
        FilteredScan scan(t, QStringLiteral("ID = 'E'"));
        EXPECT_TRUE(t.controlsDisabled());
        EXPECT_TRUE(t.isFiltered());
        EXPECT_EQ(scan.count(), 2);
        scan.setFilter(QStringLiteral("ID = 'F'"));
        EXPECT_EQ(scan.count(), 1);
        EXPECT_EQ(changed, 0); // controls are quiet during the scan
    }
    EXPECT_FALSE(t.isFiltered());
    EXPECT_EQ(t.filter(), QString());
    EXPECT_FALSE(t.controlsDisabled());
    EXPECT_EQ(changed, 1); // one refresh when updates resume
    EXPECT_EQ(t.recordCount(), 3);

    try {
        FilteredScan scan(t, QStringLiteral("ID = 'E'"));
        throw Error(QStringLiteral("stop"));
    } catch (const Error &) {
    }
    EXPECT_FALSE(t.isFiltered());
    EXPECT_FALSE(t.controlsDisabled());
    EXPECT_EQ(t.recordCount(), 3);

    // A broken filter text fails before the scan starts and leaves nothing behind.
    EXPECT_THROW(FilteredScan(t, QStringLiteral("ID = ")), Error);
    EXPECT_FALSE(t.isFiltered());
    EXPECT_FALSE(t.controlsDisabled());
    EXPECT_FALSE(t.scanActive());
    EXPECT_EQ(t.filter(), QString());

    // Scans of different tables nest.
    FilteredScan outer(t, QStringLiteral("ID = 'E'"));
    {
        FilteredScan inner(f.dm.T_FrnSchl, QStringLiteral("Number = 1"));
    }
    EXPECT_EQ(outer.count(), 2);
}

TEST(FilteredScanGuard, NestingOnTheSameTableIsRefused)
{
    Opened f(QStringLiteral("insert into FrnItoI(ID, Item) values ('C','P'),('D','Q');"));
    TDataTable &t = f.dm.T_FrnItoI;
    FilteredScan outer(t, QStringLiteral("ID = 'C'"));
#ifdef QT_NO_DEBUG
    EXPECT_THROW(FilteredScan(t, QStringLiteral("ID = 'D'")), Error);
#else
    EXPECT_DEATH(FilteredScan(t, QStringLiteral("ID = 'D'")), "nested");
#endif
    // The outer scan keeps its filter.
    EXPECT_EQ(outer.count(), 1);
    EXPECT_TRUE(t.isFiltered());
}

TEST(CatalogWrite, InsertUpdateDeleteGoThroughAndKeepTheViewConsistent)
{
    Opened f(QStringLiteral("insert into Currency(ID, Name, Value) values (1,'RUB',1),(3,'USD',90);"));
    TDataTable &t = f.dm.T_Currency;
    t.appendRecord({{QStringLiteral("ID"), 2}, {QStringLiteral("Name"), QStringLiteral("EUR")},
                    {QStringLiteral("Value"), 98.12345}});
    EXPECT_EQ(t.asString(QStringLiteral("Name")), QStringLiteral("EUR")); // the new record is current
    EXPECT_EQ(t.recNo(), 2);
    EXPECT_DOUBLE_EQ(t.asFloat(QStringLiteral("Value")), 98.1235); // decimal 4
    EXPECT_EQ(t.asInteger(QStringLiteral("Dec")), 0);                // defaults for the rest
    EXPECT_EQ(column(t, QStringLiteral("Name")), (QStringList{"RUB", "EUR", "USD"}));

    ASSERT_TRUE(t.locate(QStringLiteral("ID"), 1));
    t.updateRecord({{QStringLiteral("ID"), 5}, {QStringLiteral("Nominative"), QStringLiteral("рубль")}});
    EXPECT_EQ(t.asString(QStringLiteral("Name")), QStringLiteral("RUB")); // followed to its new place
    EXPECT_EQ(t.recNo(), 3);
    EXPECT_EQ(column(t, QStringLiteral("ID")), (QStringList{"2", "3", "5"}));

    ASSERT_TRUE(t.locate(QStringLiteral("ID"), 2));
    t.deleteRecord();
    EXPECT_EQ(t.asString(QStringLiteral("Name")), QStringLiteral("USD")); // the next one is current
    EXPECT_EQ(t.recordCount(), 2);

    // A key violation changes nothing, in memory or on disk.
    EXPECT_THROW(t.appendRecord({{QStringLiteral("ID"), 3}}), Error);
    EXPECT_THROW(t.updateRecord({{QStringLiteral("Name"), QStringLiteral("TOOLONG")}}), Error); // string 5
    EXPECT_THROW(t.updateRecord({{QStringLiteral("Dec"), 40000}}), Error);                      // int16
    EXPECT_THROW(t.updateRecord({{QStringLiteral("CurrencyLookup"), QStringLiteral("x")}}), Error);
    EXPECT_EQ(t.recordCount(), 2);

    // Another data module on the same files reads what was written.
    TDM other;
    other.OpenDatabases(f.dir, f.dir, f.dir);
    ASSERT_TRUE(OpenDataSet(other.T_Currency));
    EXPECT_EQ(column(other.T_Currency, QStringLiteral("Name")), (QStringList{"USD", "RUB"}));
    ASSERT_TRUE(other.T_Currency.locate(QStringLiteral("ID"), 5));
    EXPECT_EQ(other.T_Currency.asString(QStringLiteral("Nominative")), QStringLiteral("рубль"));
}

TEST(CatalogWrite, AutoincKeyAssignedAndOtherViewsOfTheTableFollow)
{
    Opened f(QStringLiteral("insert into ParamList(ID, Name) values (150,'f'),(250,'d');"));
    f.dm.T_FalzList.appendRecord({{QStringLiteral("ID"), 160}, {QStringLiteral("Name"), QStringLiteral("g")}});
    f.dm.T_FalzList.appendRecord({{QStringLiteral("ID"), 260}, {QStringLiteral("Name"), QStringLiteral("e")}});
    EXPECT_EQ(f.dm.T_FalzList.recordCount(), 2);
    EXPECT_EQ(f.dm.T_FalzList.asString(QStringLiteral("Name")), QStringLiteral("g")); // 260 is not in this view
    EXPECT_EQ(column(f.dm.T_DornList, QStringLiteral("Name")), (QStringList{"d", "e"}));

    TDataTable &set = f.dm.T_FrnSet;
    set.appendRecord({{QStringLiteral("ID"), QStringLiteral("S")}, {QStringLiteral("Item"), QStringLiteral("B")}});
    const int k1 = set.asInteger(QStringLiteral("Key"));
    set.appendRecord({{QStringLiteral("ID"), QStringLiteral("S")}, {QStringLiteral("Item"), QStringLiteral("A")}});
    const int k2 = set.asInteger(QStringLiteral("Key"));
    EXPECT_GT(k1, 0);
    EXPECT_GT(k2, k1);
    EXPECT_THROW(set.updateRecord({{QStringLiteral("Key"), 99}}), Error);
}

TEST(CatalogWrite, EmptyTableReopenEmptiesAndReopensEvenWhenEmptyingFails)
{
    Opened f(QStringLiteral("insert into COLORSET(Color) values ('A'),('B'); insert into Material(ID) values (1),(2);"));
    EmptyTableReopen(f.dm.T_Material);
    EXPECT_TRUE(f.dm.T_Material.isActive());
    EXPECT_EQ(f.dm.T_Material.recordCount(), 0);

    f.sql(QStringLiteral("create trigger keep before delete on COLORSET begin select raise(abort, 'locked'); end;"));
    EXPECT_THROW(EmptyTableReopen(f.dm.T_Color), Error);
    EXPECT_TRUE(f.dm.T_Color.isActive());
    EXPECT_EQ(f.dm.T_Color.recordCount(), 2);

    // A closed table is emptied and stays closed.
    f.dm.T_Material.appendRecord({{QStringLiteral("ID"), 3}});
    f.dm.T_Material.close();
    EmptyTableReopen(f.dm.T_Material);
    EXPECT_FALSE(f.dm.T_Material.isActive());
    ASSERT_TRUE(OpenDataSet(f.dm.T_Material));
    EXPECT_EQ(f.dm.T_Material.recordCount(), 0);
}

TEST(CatalogWrite, RefreshShowsChangesMadeElsewhere)
{
    Opened f(QStringLiteral("insert into SysList(ID, Name) values ('A','a'),('C','c');"));
    TDataTable &t = f.dm.T_SysList;
    ASSERT_TRUE(t.locate(QStringLiteral("ID"), QStringLiteral("C")));
    const qint64 mark = t.bookmark();
    f.sql(QStringLiteral("insert into SysList(ID, Name) values ('B','b'); delete from SysList where ID = 'A';"));
    EXPECT_EQ(t.recordCount(), 2); // nothing is re-read by itself
    t.refresh();
    EXPECT_EQ(column(t, QStringLiteral("ID")), (QStringList{"B", "C"}));
    ASSERT_TRUE(t.gotoBookmark(mark));
    EXPECT_EQ(t.asString(QStringLiteral("Name")), QStringLiteral("c"));
}

TEST(DataSetHelpers, OpenAndCloseReportEachKindInItsOwnWords)
{
    CatalogFixture f;
    RecordingMessages messages;
    TQuery q(f.dm.connectionName(DatabaseKind::Catalog));
    q.setSql(QStringList{QStringLiteral("select *"), QStringLiteral("from NoSuchTable")});
    EXPECT_FALSE(OpenDataSet(q));

    class Other : public TDataSet
    {
    public:
        void open() override { throw Error(QStringLiteral("x")); }
        void close() override { throw Error(QStringLiteral("y")); }
        bool isActive() const override { return false; }
    } other;
    EXPECT_FALSE(OpenDataSet(other));
    EXPECT_FALSE(CloseDataSet(other));

    f.sql(QStringLiteral("drop table Material;"));
    EXPECT_FALSE(OpenDataSet(f.dm.T_Material));
    EXPECT_EQ(messages.texts(),
              (QStringList{QStringLiteral("Ошибка открытия SQL-запроса:\r\n(no such table: NoSuchTable)\r\nSQL:\r\n"
                                          "(select *\nfrom NoSuchTable)"),
                           QStringLiteral("Неопределенный тип объекта TDBDataSet"),
                           QStringLiteral("Неопределенный тип объекта TDBDataSet"),
                           QStringLiteral("Ошибка открытия файла [Material]\r\n(no such table: Material)")}));
}

TEST(CatalogQueries, PropertyValuesComeGroupedByValueId)
{
    CatalogFixture f;
    f.sql(QStringLiteral(
        "insert into SysProp(ID, GroupName, ValueName) values (11,'Цвет','белый'),(12,'Цвет','коричневый'),"
        "(21,'Ручка','да'),(31,'Прочее','x');"
        "insert into FrnProp(PropKey, ID, \"Default\") values (5,21,0),(5,12,1),(6,11,0),(6,21,1),(9,31,0);"));
    TQuery q(f.dm.connectionName(DatabaseKind::Catalog));
    q.setSql(TDM::PropertyValuesSql({5, 6}));
    ASSERT_TRUE(OpenDataSet(q));
    QStringList rows;
    for (q.first(); !q.eof(); q.next())
        rows << QStringLiteral("%1/%2/%3").arg(q.fieldValue(QStringLiteral("ID")).toString(),
                                              q.fieldValue(QStringLiteral("PropKey")).toString(),
                                              q.fieldValue(QStringLiteral("Default")).toString());
    EXPECT_EQ(rows, (QStringList{"11/6/0", "12/5/1", "21/5/0", "21/6/1"}));
    EXPECT_EQ(q.fieldNames(), (QStringList{"ID", "GroupName", "ValueName", "Default", "PropKey"}));
}

TEST(CatalogQueries, ReportLists)
{
    CatalogFixture f;
    f.reportSql(QStringLiteral("insert into Report(Name, \"Group\", SubGroup, USE) values "
                               "('a',11,31,1),('b',11,40,0),('c',12,32,1),('d',11,34,0);"));
    auto names = [&](const QString &sql) {
        TQuery q(f.dm.connectionName(DatabaseKind::Report));
        q.setSql(sql);
        EXPECT_TRUE(OpenDataSet(q));
        QStringList out;
        for (q.first(); !q.eof(); q.next())
            out << q.fieldValue(QStringLiteral("Name")).toString();
        return out;
    };
    EXPECT_EQ(names(TDM::ReportSubGroupSql()), (QStringList{"a", "d"}));
    EXPECT_EQ(names(TDM::ReportListSql(11, true)), (QStringList{"a", "b", "d"}));
    EXPECT_EQ(names(TDM::ReportListSql(11, false)), (QStringList{"a"}));
}

TEST(Register, ConcurrentWorkplacesLoseNoRow)
{
    const QString dir = kvtest::freshDir();
    {
        TDM init; // creates the register database once
        init.OpenDatabase(DatabaseKind::Registry, dir);
    }
    constexpr int perWorker = 40;
    std::atomic<int> failures{0};
    auto worker = [&](int w) {
        TDM dm;
        dm.OpenDatabase(DatabaseKind::Registry, dir);
        dm.T_OrderList.open();
        for (int i = 0; i < perWorker; ++i) {
            try {
                dm.T_OrderList.appendRecord({{QStringLiteral("No"), QStringLiteral("%1-%2").arg(w).arg(i)},
                                             {QStringLiteral("RegDate"), QDate(2024, 1, 1 + i % 28)},
                                             {QStringLiteral("Cost"), 10.5 * i}});
            } catch (const Error &) {
                ++failures;
            }
        }
    };
    std::thread a(worker, 1), b(worker, 2);
    a.join();
    b.join();
    EXPECT_EQ(failures.load(), 0);

    TDM dm;
    dm.OpenDatabase(DatabaseKind::Registry, dir);
    ASSERT_TRUE(OpenDataSet(dm.T_OrderList));
    EXPECT_EQ(dm.T_OrderList.recordCount(), 2 * perWorker);
    ASSERT_TRUE(dm.T_OrderList.locate(QStringLiteral("No"), QStringLiteral("2-7")));
    EXPECT_EQ(dm.T_OrderList.fieldValue(QStringLiteral("RegDate")).toDate(), QDate(2024, 1, 8));
    EXPECT_EQ(dm.T_OrderList.asMoney(QStringLiteral("Cost")), Money::fromDouble(73.5));
    dm.T_OrderList.setIndexName(QStringLiteral("Date"));
    dm.T_OrderList.first();
    EXPECT_EQ(dm.T_OrderList.fieldValue(QStringLiteral("RegDate")).toDate(), QDate(2024, 1, 1));

    QSqlQuery mode(QSqlDatabase::database(dm.connectionName(DatabaseKind::Registry)));
    ASSERT_TRUE(mode.exec(QStringLiteral("PRAGMA journal_mode")) && mode.next());
    EXPECT_EQ(mode.value(0).toString(), QStringLiteral("wal"));
}
