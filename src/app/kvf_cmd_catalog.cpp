// kvf catalog init DIR | kvf catalog import DIR FILE.sql
// Creates an empty catalogue database, and loads SQL scripts into it (a
// maker's documentation, demo data, test fixtures).
#include "KvfCommands.h"

#include "core/Database.h"
#include "tools/Errors.h"

#include <QDir>

namespace {

int usage(QTextStream &err)
{
    err << "usage: kvf catalog init DIR\n"
        << "       kvf catalog import DIR FILE.sql\n";
    return 2;
}

int run(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return usage(err);
    const QString action = args.at(0);
    try {
        if (action == QLatin1String("init") && args.size() == 2) {
            const QString dir = args.at(1);
            if (!QDir().mkpath(dir)) {
                err << "kvf: cannot create directory " << dir << "\n";
                return 1;
            }
            kv::createDatabase(kv::DatabaseKind::Catalog, dir);
            out << kv::databasePath(kv::DatabaseKind::Catalog, dir) << "\n";
            return 0;
        }
        if (action == QLatin1String("import") && args.size() == 3) {
            const int n = kv::importSqlFile(kv::DatabaseKind::Catalog, args.at(1), args.at(2));
            out << n << " statements\n";
            return 0;
        }
    } catch (const kv::Error &e) {
        QString text = e.text();
        err << "kvf: " << text.replace(QLatin1String("\r\n"), QLatin1String("\n")) << "\n";
        return 1;
    }
    return usage(err);
}

const bool registered = kv::registerKvfCommand(
    {QStringLiteral("catalog"), QStringLiteral("catalog init DIR\ncatalog import DIR FILE.sql"),
     QStringLiteral("create a catalogue database; run an SQL script against it in one transaction"), &run});

} // namespace
