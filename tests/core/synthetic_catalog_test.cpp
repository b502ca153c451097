// The synthetic benchmark catalogue: exact sizes, the same catalogue for the
// same options, the checks every documentation passes, and orders that only
// choose sets the catalogue offers for their figures.
#include "CatalogChecks.h"
#include "support/TestSupport.h"

#include "core/Database.h"
#include "core/SyntheticCatalog.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const kv::SyntheticCatalogOptions kSmall{3000, 60, 5};

QString freshDir(const QString &name)
{
    const QString dir = QDir(kvtest::scratchDir()).filePath(name);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    return dir;
}

// Digest of every catalogue table, rows in their stored order.
QByteArray digest(const QString &dir)
{
    const QString conn = QStringLiteral("digest_") + QFileInfo(dir).fileName();
    kv::openDatabase(kv::DatabaseKind::Catalog, dir, conn);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    {
        QSqlQuery tables(QSqlDatabase::database(conn));
        tables.exec(QStringLiteral("select name from sqlite_master where type = 'table' order by name"));
        while (tables.next()) {
            QSqlQuery q(QSqlDatabase::database(conn));
            q.setForwardOnly(true);
            q.exec(QStringLiteral("select * from \"%1\" order by rowid").arg(tables.value(0).toString()));
            const int columns = q.record().count();
            while (q.next())
                for (int i = 0; i < columns; ++i)
                    hash.addData(q.value(i).toString().toUtf8() + '\x1f');
        }
    }
    kv::closeDatabase(conn);
    return hash.result();
}

class SyntheticCatalog : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir() = freshDir(QStringLiteral("synthetic"));
        summary() = kv::generateSyntheticCatalog(dir(), kSmall);
        kv::openDatabase(kv::DatabaseKind::Catalog, dir(), QStringLiteral("synthetic_test"));
    }
    static QString &dir()
    {
        static QString d;
        return d;
    }
    static kv::SyntheticCatalogSummary &summary()
    {
        static kv::SyntheticCatalogSummary s;
        return s;
    }
    kvtest::CatalogChecker checker{QStringLiteral("synthetic_test")};
};

TEST_F(SyntheticCatalog, HasExactlyTheRequestedSizes)
{
    EXPECT_EQ(checker.count(QStringLiteral("select count(*) from Catalog")), kSmall.articles);
    EXPECT_EQ(checker.count(QStringLiteral("select count(*) from FrnComp")), kSmall.sets);
    EXPECT_EQ(summary().articles, kSmall.articles);
    EXPECT_EQ(summary().sets, kSmall.sets);
    // Most articles belong to elements; the documentation's sets have rows of their own.
    EXPECT_GT(summary().elementArticles, kSmall.articles * 9 / 10);
    EXPECT_GT(summary().setRows, kSmall.sets * 5);
}

TEST_F(SyntheticCatalog, PassesTheDocumentationChecks)
{
    QStringList failed = checker.failures(kvtest::referenceChecks());
    failed << checker.failures(kvtest::consistencyChecks());
    EXPECT_TRUE(failed.isEmpty()) << failed.join(QLatin1Char('\n')).toStdString();
}

TEST_F(SyntheticCatalog, OrdersChooseOnlyOfferedSets)
{
    const QJsonObject order = kv::syntheticOrder(kSmall, 200, 3);
    const QJsonArray positions = order.value(QStringLiteral("Positions")).toArray();
    ASSERT_EQ(positions.size(), 200);
    const QStringList problems = checker.orderProblems(order, QStringLiteral("bench"));
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    // Two-sash positions of both arrangements, each sash with its own choice.
    QSet<int> kinds;
    for (const QJsonValue &p : positions) {
        kinds.insert(p.toObject().value(QStringLiteral("Shape")).toObject().value(QStringLiteral("Kind")).toInt());
        EXPECT_TRUE(p.toObject().contains(QStringLiteral("Sash2")));
    }
    EXPECT_EQ(kinds, QSet<int>({1, 2}));
}

TEST_F(SyntheticCatalog, SecondarySetsReferToAnArticleOfTheMainSets)
{
    // The partner-article rows of the secondary sashes name an article that
    // the stulp main sets of the same group always produce.
    const QStringList missing = checker.rows(QStringLiteral(
        "select s.ID, s.UseIfArt from FrnSet s where s.UseIfArt <> '' and not exists ("
        "select 1 from FrnSet m join FrnArt a on a.ID = m.Item join FrnComp c on c.ID = m.ID "
        "where c.SubGroup in (11, 21) and a.CatalogID = s.UseIfArt and substr(m.ID, 1, 4) = substr(s.ID, 1, 4))"));
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char('\n')).toStdString();
}

TEST(SyntheticCatalogGeneration, IsDeterministicPerSeed)
{
    const QString a = freshDir(QStringLiteral("det-a")), b = freshDir(QStringLiteral("det-b")), c = freshDir(QStringLiteral("det-c"));
    kv::generateSyntheticCatalog(a, kSmall);
    kv::generateSyntheticCatalog(b, kSmall);
    kv::SyntheticCatalogOptions other = kSmall;
    other.seed = kSmall.seed + 1;
    kv::generateSyntheticCatalog(c, other);
    EXPECT_EQ(digest(a), digest(b));
    EXPECT_NE(digest(a), digest(c));
    EXPECT_EQ(QJsonDocument(kv::syntheticOrder(kSmall, 50, 9)).toJson(), QJsonDocument(kv::syntheticOrder(kSmall, 50, 9)).toJson());
    EXPECT_NE(QJsonDocument(kv::syntheticOrder(kSmall, 50, 9)).toJson(), QJsonDocument(kv::syntheticOrder(kSmall, 50, 10)).toJson());
}

TEST(SyntheticCatalogGeneration, RefusesWhatItCannotBuild)
{
    const QString dir = freshDir(QStringLiteral("refuse"));
    struct Case
    {
        kv::SyntheticCatalogOptions options;
        const char *why;
    };
    const Case cases[] = {
        {{kv::syntheticMinimumArticles(60) - 1, 60, 1}, "too few articles for the sets"},
        {{5000, kv::syntheticMinimumSets() - 1, 1}, "too few sets for one of each role"},
    };
    for (const Case &c : cases) {
        EXPECT_THROW(kv::generateSyntheticCatalog(dir, c.options), kv::Error) << c.why;
        EXPECT_FALSE(QFileInfo::exists(QDir(dir).filePath(QStringLiteral("catalog.sqlite")))) << c.why;
    }
    // An existing catalogue is never overwritten.
    kv::generateSyntheticCatalog(dir, kSmall);
    const QByteArray before = digest(dir);
    EXPECT_THROW(kv::generateSyntheticCatalog(dir, {kSmall.articles, kSmall.sets, 99}), kv::Error);
    EXPECT_EQ(digest(dir), before);
}

} // namespace
