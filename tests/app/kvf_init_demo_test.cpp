// kvf init-demo and kvf gen-catalog, driven as processes: the demo data
// travels inside kvf, and the benchmark files are written where asked.
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"

#include "core/Globals.h"
#include "tools/Registry.h"

#include <QDir>
#include <QFileInfo>
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

// The child inherits KARVELO_REGISTRY, so it writes this test's registry file.
KvfRun kvf(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(KVF_EXECUTABLE), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(KvfInitDemo, InstallsFromTheDataInsideKvfAndRegistersOnce)
{
    kv::RegistryKey::deleteKey(QStringLiteral("\\SoftWare\\Velmar"));
    const QString dir = QDir(kvtest::scratchDir()).filePath(QStringLiteral("demo config"));
    // The way the run script calls it on a machine without any configuration.
    KvfRun r = kvf({QStringLiteral("init-demo"), dir, QStringLiteral("--if-no-config")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/catalog/catalog.sqlite")));
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/catalog/KVFurniture.ini")));
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/samples/07_doors.json")));
    const std::unique_ptr<kv::RegistryKey> key = kv::RegistryKey::open(kv::ConfigKey + QStringLiteral("\\Демо"), false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString(QStringLiteral("KVFCatalogDir")), QDir(dir).absolutePath() + QStringLiteral("/catalog"));

    // Now there is one: nothing happens, not even in a new directory.
    const QString other = QDir(kvtest::scratchDir()).filePath(QStringLiteral("second"));
    r = kvf({QStringLiteral("init-demo"), other, QStringLiteral("--if-no-config")});
    EXPECT_EQ(r.code, 0);
    EXPECT_FALSE(QFileInfo::exists(other));
    // The same name for another directory is refused.
    r = kvf({QStringLiteral("init-demo"), other});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("уже существует"))) << r.err.toStdString();
    EXPECT_EQ(kvf({QStringLiteral("init-demo")}).code, 2);
}

TEST(KvfGenCatalog, WritesTheCatalogueAndTheBenchmarkOrders)
{
    const QString dir = QDir(kvtest::scratchDir()).filePath(QStringLiteral("bench"));
    KvfRun r = kvf({QStringLiteral("gen-catalog"), dir, QStringLiteral("--articles"), QStringLiteral("2500"), QStringLiteral("--sets"),
                    QStringLiteral("40"), QStringLiteral("--seed"), QStringLiteral("3"), QStringLiteral("--orders"), QStringLiteral("1,25")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("articles 2500"))) << r.out.toStdString();
    for (int n : {1, 25}) {
        const QJsonDocument doc = QJsonDocument::fromJson(kvtest::readFile(dir + QStringLiteral("/orders/bench-%1.json").arg(n)));
        EXPECT_EQ(doc.object().value(QStringLiteral("Positions")).toArray().size(), n);
    }
    // Too small for its sets, or arguments missing: nothing written.
    const QString small = QDir(kvtest::scratchDir()).filePath(QStringLiteral("small"));
    r = kvf({QStringLiteral("gen-catalog"), small, QStringLiteral("--articles"), QStringLiteral("10"), QStringLiteral("--sets"), QStringLiteral("40")});
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(QFileInfo::exists(small + QStringLiteral("/catalog.sqlite")));
    EXPECT_EQ(kvf({QStringLiteral("gen-catalog"), small, QStringLiteral("--articles"), QStringLiteral("5000")}).code, 2);
    EXPECT_EQ(kvf({QStringLiteral("gen-catalog"), small, QStringLiteral("--articles"), QStringLiteral("x"), QStringLiteral("--sets"), QStringLiteral("40")}).code, 2);
}
