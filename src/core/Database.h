#pragma once
// The three SQLite databases: fixed file names in their directories, the
// schema each is created from, and the running of SQL scripts (the maker's
// documentation, demo data, test fixtures).
#include "core/TableDefs.h"

#include <QString>
#include <vector>

namespace kv {

// "catalog.sqlite", "register.sqlite", "reports.sqlite": other tools rely on these names.
QString databaseFileName(DatabaseKind kind);
// "KMDB_Catalog", "KMDB_Registry", "KMDB_Report".
QString databaseAlias(DatabaseKind kind);
QString databasePath(DatabaseKind kind, const QString &dir);
// The schema (data/schema/*.sql, compiled in).
QString schemaSql(DatabaseKind kind);

// Creates the database file in dir from its schema. Throws kv::Error when the
// directory is missing, the file exists already or the schema fails.
void createDatabase(DatabaseKind kind, const QString &dir);

// Opens the database of dir as the Qt SQL connection connectionName, creating
// a missing file from the schema. Every connection waits for a busy database;
// the register runs in WAL mode so that several workplaces can write. Throws
// kv::Error naming the database.
void openDatabase(DatabaseKind kind, const QString &dir, const QString &connectionName);
void closeDatabase(const QString &connectionName);

struct SqlStatement
{
    QString text;
    int line = 1; // where the statement begins in its script
};

// Splits a script at the semicolons outside literals, quoted names, comments
// and trigger bodies; comment-only pieces are dropped.
std::vector<SqlStatement> splitSqlScript(const QString &script);

// Runs every statement of a script in one transaction; BEGIN/COMMIT lines of
// a dump are skipped. On an error everything is rolled back and kv::Error
// names the statement. Returns the number of statements run.
int runSqlScript(const QString &connectionName, const QString &script, const QString &scriptName);

// Runs the script file (UTF-8, or Windows-1251 when it is not valid UTF-8)
// against the existing database of dir.
int importSqlFile(DatabaseKind kind, const QString &dir, const QString &file);

} // namespace kv
