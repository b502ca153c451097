// Database files, schemas and SQL scripts.
#include "support/CatalogFixture.h"
#include "support/QStringPrinter.h"
#include "core/Database.h"
#include "core/TableDefs.h"
#include "tools/Errors.h"
#include "tools/Win1251.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace kv;

namespace {

QStringList queryColumn(const QString &connection, const QString &sql)
{
    QSqlQuery q(QSqlDatabase::database(connection));
    EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

} // namespace

TEST(Schema, EveryBoundColumnExistsWithItsDefaultAndEveryColumnIsNotNull)
{
    kvtest::CatalogFixture f;
    for (const TableDef &def : tableDefs()) {
        SCOPED_TRACE(def.name.toStdString());
        const QString conn = f.dm.connectionName(def.database);
        QSqlQuery q(QSqlDatabase::database(conn));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA table_info([%1])").arg(def.name)));
        QHash<QString, std::pair<QString, QString>> columns; // name -> type, default
        while (q.next()) {
            const QString name = q.value(1).toString();
            const QString type = q.value(2).toString();
            const bool notNull = q.value(3).toBool();
            const bool pk = q.value(5).toInt() > 0;
            columns.insert(name, {type, q.value(4).toString()});
            if (name == QLatin1String("Key") && pk)
                continue; // assigned by the database
            EXPECT_TRUE(notNull) << name.toStdString();
            EXPECT_EQ(q.value(4).toString(), type == QLatin1String("TEXT") ? QStringLiteral("''") : QStringLiteral("0"))
                << name.toStdString();
        }
        ASSERT_FALSE(columns.isEmpty());
        for (const FieldDef &col : def.columns) {
            ASSERT_TRUE(columns.contains(col.name)) << col.name.toStdString();
            if (col.type == FieldType::AutoInc)
                continue;
            const QString expected = col.type == FieldType::String || col.type == FieldType::Date ? QStringLiteral("TEXT")
                                     : col.type == FieldType::Decimal || col.type == FieldType::Money ? QStringLiteral("REAL")
                                                                                                       : QStringLiteral("INTEGER");
            EXPECT_EQ(columns.value(col.name).first, expected) << col.name.toStdString();
        }
    }
    // The table names other tools rely on.
    EXPECT_EQ(queryColumn(f.dm.connectionName(DatabaseKind::Catalog),
                          QStringLiteral("select name from sqlite_master where type = 'table' and name not like 'sqlite%' order by name")),
              (QStringList{"COLORSET", "Catalog", "Currency", "FrnAbd", "FrnArt", "FrnComp", "FrnDop", "FrnItem",
                           "FrnItoI", "FrnProp", "FrnSchl", "FrnSet", "FrnSide", "Material", "ParamList", "PriceGrp",
                           "SysColor", "SysList", "SysProf", "SysProp"}));
}

TEST(Schema, RowsMayNameOnlySomeColumnsAndKeysAreAssigned)
{
    kvtest::CatalogFixture f;
    f.sql(QStringLiteral("insert into FrnSet(ID) values ('S'); insert into FrnSet(ID) values ('S');"
                         "insert into Catalog(ID) values ('A');"));
    const QString conn = f.dm.connectionName(DatabaseKind::Catalog);
    EXPECT_EQ(queryColumn(conn, QStringLiteral("select Key from FrnSet order by Key")), (QStringList{"1", "2"}));
    EXPECT_EQ(queryColumn(conn, QStringLiteral("select Name || '|' || Price || '|' || GOST from Catalog")),
              QStringList{"|0.0|"});
    EXPECT_THROW(f.sql(QStringLiteral("insert into Catalog(ID) values ('A');")), Error);
}

TEST(SqlScript, SplitsAtSemicolonsOutsideLiteralsCommentsAndTriggers)
{
    const QString script = QStringLiteral(
        "-- a comment; with a semicolon\n"
        "insert into T values ('a;b', 'it''s');\n"
        "/* block; comment\n spanning */ insert into T values (\"x;y\");\n"
        "\n"
        "create trigger tr after insert on T begin\n"
        "  update T set a = 1;\n"
        "  delete from U;\n"
        "end;\n"
        "select [odd;name] from T;  -- trailing\n"
        "select 1");
    const std::vector<SqlStatement> st = splitSqlScript(script);
    ASSERT_EQ(st.size(), 5u);
    EXPECT_EQ(st[0].text, QStringLiteral("insert into T values ('a;b', 'it''s')"));
    EXPECT_EQ(st[0].line, 2);
    EXPECT_EQ(st[1].text, QStringLiteral("insert into T values (\"x;y\")"));
    EXPECT_EQ(st[1].line, 4);
    EXPECT_TRUE(st[2].text.startsWith(QStringLiteral("create trigger tr")));
    EXPECT_TRUE(st[2].text.endsWith(QStringLiteral("end")));
    EXPECT_EQ(st[2].line, 6);
    EXPECT_EQ(st[3].text, QStringLiteral("select [odd;name] from T"));
    EXPECT_EQ(st[3].line, 10);
    EXPECT_EQ(st[4].text, QStringLiteral("select 1"));
    EXPECT_EQ(st[4].line, 11);
    EXPECT_TRUE(splitSqlScript(QStringLiteral("-- only\n/* comments */ ;;\n")).empty());
}

TEST(SqlScript, AFailingStatementRollsBackTheWholeScriptAndIsNamed)
{
    kvtest::CatalogFixture f;
    const QString conn = f.dm.connectionName(DatabaseKind::Catalog);
    try {
        runSqlScript(conn,
                     QStringLiteral("insert into COLORSET(Color) values ('W');\n"
                                    "insert into COLORSET(Color) values ('B');\n"
                                    "\n"
                                    "insert into COLORSET(Colour) values ('R');\n"),
                     QStringLiteral("colours.sql"));
        ADD_FAILURE() << "accepted";
    } catch (const Error &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Ошибка в операторе 3 (строка 4) сценария [colours.sql]:\r\n"
                                           "insert into COLORSET(Colour) values ('R')\r\n"
                                           "(table COLORSET has no column named Colour)"));
    }
    EXPECT_EQ(queryColumn(conn, QStringLiteral("select count(*) from COLORSET")), QStringList{"0"});

    // A dump's own transaction lines are skipped; a ROLLBACK is refused.
    EXPECT_EQ(runSqlScript(conn, QStringLiteral("BEGIN TRANSACTION; insert into COLORSET(Color) values ('W'); COMMIT;"),
                           QStringLiteral("dump.sql")),
              1);
    EXPECT_THROW(runSqlScript(conn, QStringLiteral("insert into COLORSET(Color) values ('B'); ROLLBACK;"),
                              QStringLiteral("bad.sql")),
                 Error);
    EXPECT_EQ(queryColumn(conn, QStringLiteral("select Color from COLORSET")), QStringList{"W"});
}

TEST(SqlScript, ImportReadsUtf8OrWindows1251Files)
{
    const QString dir = kvtest::freshDir();
    createDatabase(DatabaseKind::Catalog, dir);
    EXPECT_THROW(createDatabase(DatabaseKind::Catalog, dir), Error); // never over an existing one
    const QString utf8 = dir + QStringLiteral("/utf8.sql");
    const QString ansi = dir + QStringLiteral("/ansi.sql");
    kvtest::writeFile(utf8, QByteArray("\xEF\xBB\xBF") + QStringLiteral("insert into COLORSET values ('W', 'Белый');").toUtf8());
    kvtest::writeFile(ansi, cp1251::encode(QStringLiteral("insert into COLORSET values ('B', 'Чёрный');")));
    EXPECT_EQ(importSqlFile(DatabaseKind::Catalog, dir, utf8), 1);
    EXPECT_EQ(importSqlFile(DatabaseKind::Catalog, dir, ansi), 1);
    EXPECT_THROW(importSqlFile(DatabaseKind::Catalog, dir, dir + QStringLiteral("/none.sql")), Error);
    EXPECT_THROW(importSqlFile(DatabaseKind::Catalog, kvtest::freshDir(), utf8), Error); // no database there

    TDM dm;
    dm.OpenDatabase(DatabaseKind::Catalog, dir);
    ASSERT_TRUE(OpenDataSet(dm.T_Color));
    ASSERT_TRUE(dm.T_Color.locate(QStringLiteral("Color"), QStringLiteral("B")));
    EXPECT_EQ(dm.T_Color.asString(QStringLiteral("Name")), QStringLiteral("Чёрный"));
    ASSERT_TRUE(dm.T_Color.locate(QStringLiteral("Color"), QStringLiteral("W")));
    EXPECT_EQ(dm.T_Color.asString(QStringLiteral("Name")), QStringLiteral("Белый"));
}

TEST(Databases, FixedFileNamesAndAliases)
{
    EXPECT_EQ(databaseFileName(DatabaseKind::Catalog), QStringLiteral("catalog.sqlite"));
    EXPECT_EQ(databaseFileName(DatabaseKind::Registry), QStringLiteral("register.sqlite"));
    EXPECT_EQ(databaseFileName(DatabaseKind::Report), QStringLiteral("reports.sqlite"));
    EXPECT_EQ(databaseAlias(DatabaseKind::Catalog), QStringLiteral("KMDB_Catalog"));
    EXPECT_EQ(databaseAlias(DatabaseKind::Registry), QStringLiteral("KMDB_Registry"));
    EXPECT_EQ(databaseAlias(DatabaseKind::Report), QStringLiteral("KMDB_Report"));
    // The compiled-in schema is the file in data/schema.
    EXPECT_EQ(schemaSql(DatabaseKind::Catalog), QString::fromUtf8(kvtest::readFile(kvtest::sourcePath(QStringLiteral("data/schema/catalog.sql")))));
}
