#pragma once
// A throw-away configuration for tests: a fresh directory with empty
// catalogue, register and report databases created from the schemas, and a
// data module connected to them. Fixtures are a few SQL lines per case.
#include "TestSupport.h"
#include "core/Data.h"
#include "core/Database.h"

#include <QDir>

namespace kvtest {

inline QString freshDir(const QString &prefix = QStringLiteral("cfg"))
{
    static int serial = 0;
    const QString dir = QDir(scratchDir()).filePath(QStringLiteral("%1%2").arg(prefix).arg(++serial));
    QDir().mkpath(dir);
    return dir;
}

class CatalogFixture
{
public:
    CatalogFixture() : dir(freshDir()) { dm.OpenDatabases(dir, dir, dir); }

    // Runs SQL statements against the catalogue database.
    void sql(const QString &script)
    {
        kv::runSqlScript(dm.connectionName(kv::DatabaseKind::Catalog), script, QStringLiteral("fixture"));
    }
    void registerSql(const QString &script)
    {
        kv::runSqlScript(dm.connectionName(kv::DatabaseKind::Registry), script, QStringLiteral("fixture"));
    }
    void reportSql(const QString &script)
    {
        kv::runSqlScript(dm.connectionName(kv::DatabaseKind::Report), script, QStringLiteral("fixture"));
    }

    const QString dir;
    kv::TDM dm;
};

} // namespace kvtest
