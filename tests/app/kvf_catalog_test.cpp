// kvf catalog init / import, driven as a process.
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
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
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList colours(const QString &dir)
{
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(dir + QStringLiteral("/catalog.sqlite"));
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(QStringLiteral("select Color || '=' || Name from COLORSET order by Color")));
        while (q.next())
            out << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return out;
}

} // namespace

TEST(KvfCatalog, InitCreatesAnEmptyCatalogueAndImportLoadsScripts)
{
    const QString dir = QDir(kvtest::scratchDir()).filePath(QStringLiteral("new/catalogue"));
    KvfRun r = kvf({QStringLiteral("catalog"), QStringLiteral("init"), dir});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/catalog.sqlite")));
    EXPECT_EQ(colours(dir), QStringList());

    // Never over an existing database.
    r = kvf({QStringLiteral("catalog"), QStringLiteral("init"), dir});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("уже существует")));

    const QString good = dir + QStringLiteral("/good.sql");
    kvtest::writeFile(good, QStringLiteral("-- colours\ninsert into COLORSET values ('B', 'Чёрный');\n"
                                           "insert into COLORSET(Color) values ('W');\n")
                                .toUtf8());
    r = kvf({QStringLiteral("catalog"), QStringLiteral("import"), dir, good});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("2 statements\n"));
    EXPECT_EQ(colours(dir), (QStringList{"B=Чёрный", "W="}));

    // One bad statement: nothing of the script stays, and the statement is named.
    const QString bad = dir + QStringLiteral("/bad.sql");
    kvtest::writeFile(bad, QByteArray("insert into COLORSET values ('R', 'Red');\n"
                                      "insert into COLORSET values ('W', 'White');\n"));
    r = kvf({QStringLiteral("catalog"), QStringLiteral("import"), dir, bad});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, QStringLiteral("kvf: Ошибка в операторе 2 (строка 2) сценария [bad.sql]:\n"
                                    "insert into COLORSET values ('W', 'White')\n"
                                    "(UNIQUE constraint failed: COLORSET.Color)\n"));
    EXPECT_EQ(colours(dir), (QStringList{"B=Чёрный", "W="}));
}

TEST(KvfCatalog, WrongUsage)
{
    EXPECT_EQ(kvf({QStringLiteral("catalog")}).code, 2);
    EXPECT_EQ(kvf({QStringLiteral("catalog"), QStringLiteral("import"), QStringLiteral("x")}).code, 2);
    EXPECT_EQ(kvf({QStringLiteral("catalog"), QStringLiteral("drop"), QStringLiteral("x")}).code, 2);
    const KvfRun r = kvf({QStringLiteral("catalog"), QStringLiteral("import"), kvtest::scratchDir(),
                       QStringLiteral("none.sql")});
    EXPECT_EQ(r.code, 1); // no database there
    EXPECT_TRUE(kvf({QStringLiteral("help")}).out.contains(QStringLiteral("kvf catalog import DIR FILE.sql")));
}
