#include "Database.h"

#include "tools/Errors.h"
#include "tools/Win1251.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>

#include <atomic>

namespace kv {

namespace {

QString sqlErrorText(const QSqlError &e)
{
    const QString db = e.databaseText().trimmed();
    return db.isEmpty() ? e.text().trimmed() : db;
}

constexpr int BusyTimeoutMs = 10000;

void execOrThrow(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw Error(sqlErrorText(q.lastError()));
}

} // namespace

QString databaseFileName(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Catalog: return QStringLiteral("catalog.sqlite");
    case DatabaseKind::Registry: return QStringLiteral("register.sqlite");
    case DatabaseKind::Report: return QStringLiteral("reports.sqlite");
    }
    return {};
}

QString databaseAlias(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Catalog: return QStringLiteral("KMDB_Catalog");
    case DatabaseKind::Registry: return QStringLiteral("KMDB_Registry");
    case DatabaseKind::Report: return QStringLiteral("KMDB_Report");
    }
    return {};
}

QString databasePath(DatabaseKind kind, const QString &dir)
{
    return QDir(dir).filePath(databaseFileName(kind));
}

namespace {

// Opens the file (creating it when create is set) with the connection's settings.
void openConnection(DatabaseKind kind, const QString &path, const QString &connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open())
        throw Error(sqlErrorText(db.lastError()));
    if (kind == DatabaseKind::Registry) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
            throw Error(sqlErrorText(q.lastError()));
    }
}

void closeConnection(const QString &connectionName)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

void applySchema(DatabaseKind kind, const QString &connectionName)
{
    runSqlScript(connectionName, schemaSql(kind), databaseFileName(kind));
}

} // namespace

void createDatabase(DatabaseKind kind, const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        throw Error(QStringLiteral("Каталог [%1] не найден").arg(dir));
    const QString path = databasePath(kind, dir);
    if (QFileInfo::exists(path))
        throw Error(QStringLiteral("База данных [%1] уже существует").arg(path));
    static std::atomic<int> serial{0};
    const QString conn = QStringLiteral("kv_create_%1").arg(++serial);
    try {
        openConnection(kind, path, conn);
        applySchema(kind, conn);
    } catch (const Error &e) {
        closeConnection(conn);
        QFile::remove(path);
        throw Error(QStringLiteral("Ошибка создания базы данных [%1]:\r\n%2").arg(path, e.text()));
    }
    closeConnection(conn);
}

void openDatabase(DatabaseKind kind, const QString &dir, const QString &connectionName)
{
    const QString alias = databaseAlias(kind);
    if (!QFileInfo(dir).isDir())
        throw Error(QStringLiteral("Ошибка подключения к базе данных [%1]:\r\nкаталог [%2] не найден")
                        .arg(alias, dir));
    const QString path = databasePath(kind, dir);
    const bool exists = QFileInfo::exists(path);
    try {
        openConnection(kind, path, connectionName);
        if (!exists)
            applySchema(kind, connectionName);
    } catch (const Error &e) {
        closeConnection(connectionName);
        if (!exists)
            QFile::remove(path);
        throw Error(QStringLiteral("Ошибка подключения к базе данных [%1] (%2):\r\n%3").arg(alias, path, e.text()));
    }
}

void closeDatabase(const QString &connectionName)
{
    closeConnection(connectionName);
}

std::vector<SqlStatement> splitSqlScript(const QString &script)
{
    static const QRegularExpression triggerStart(
        QStringLiteral("^CREATE\\s+(TEMP\\s+|TEMPORARY\\s+)?TRIGGER\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression endsWithEnd(QStringLiteral("\\bEND\\s*$"),
                                                QRegularExpression::CaseInsensitiveOption);
    std::vector<SqlStatement> out;
    QString current;
    bool hasCode = false; // something besides blanks and comments
    int line = 1, startLine = 1;
    const qsizetype n = script.size();
    auto flush = [&]() {
        const QString text = current.trimmed();
        if (hasCode && !text.isEmpty())
            out.push_back(SqlStatement{text, startLine});
        current.clear();
        hasCode = false;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script.at(i);
        const QChar next = i + 1 < n ? script.at(i + 1) : QChar();
        if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
            while (i < n && script.at(i) != QLatin1Char('\n'))
                ++i;
            if (i < n) {
                ++line;
                current += QLatin1Char('\n');
            }
            continue;
        }
        if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            i += 2;
            while (i < n && !(script.at(i) == QLatin1Char('*') && i + 1 < n && script.at(i + 1) == QLatin1Char('/'))) {
                if (script.at(i) == QLatin1Char('\n'))
                    ++line;
                ++i;
            }
            ++i; // on the closing '/'
            current += QLatin1Char(' ');
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('[')) {
            if (!hasCode) {
                hasCode = true;
                startLine = line;
            }
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            current += c;
            ++i;
            while (i < n) {
                const QChar d = script.at(i);
                current += d;
                if (d == QLatin1Char('\n'))
                    ++line;
                if (d == close) {
                    // A doubled quote is one quote character inside the literal.
                    if (close != QLatin1Char(']') && i + 1 < n && script.at(i + 1) == close) {
                        current += close;
                        i += 2;
                        continue;
                    }
                    break;
                }
                ++i;
            }
            continue;
        }
        if (c == QLatin1Char(';')) {
            const QString sofar = current.trimmed();
            if (triggerStart.match(sofar).hasMatch() && !endsWithEnd.match(sofar).hasMatch()) {
                current += c;
                continue;
            }
            flush();
            continue;
        }
        if (c == QLatin1Char('\n'))
            ++line;
        if (!c.isSpace() && !hasCode) {
            hasCode = true;
            startLine = line;
        }
        current += c;
    }
    flush();
    return out;
}

int runSqlScript(const QString &connectionName, const QString &script, const QString &scriptName)
{
    static const QRegularExpression transactionControl(
        QStringLiteral("^(BEGIN(\\s+(DEFERRED|IMMEDIATE|EXCLUSIVE))?(\\s+TRANSACTION)?|COMMIT(\\s+TRANSACTION)?|"
                       "END(\\s+TRANSACTION)?)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression rollback(QStringLiteral("^ROLLBACK\\b"), QRegularExpression::CaseInsensitiveOption);

    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    if (!db.isValid() || !db.isOpen())
        throw Error(QStringLiteral("База данных для сценария [%1] не открыта").arg(scriptName));
    const std::vector<SqlStatement> statements = splitSqlScript(script);
    execOrThrow(db, QStringLiteral("BEGIN IMMEDIATE"));
    int run = 0, number = 0;
    for (const SqlStatement &st : statements) {
        ++number;
        QString failure;
        if (transactionControl.match(st.text).hasMatch())
            continue;
        if (rollback.match(st.text).hasMatch()) {
            failure = QStringLiteral("управление транзакцией в сценарии не допускается");
        } else {
            QSqlQuery q(db);
            if (q.exec(st.text))
                ++run;
            else
                failure = sqlErrorText(q.lastError());
        }
        if (!failure.isEmpty()) {
            QSqlQuery r(db);
            r.exec(QStringLiteral("ROLLBACK"));
            throw Error(QStringLiteral("Ошибка в операторе %1 (строка %2) сценария [%3]:\r\n%4\r\n(%5)")
                            .arg(QString::number(number), QString::number(st.line), scriptName, st.text, failure));
        }
    }
    try {
        execOrThrow(db, QStringLiteral("COMMIT"));
    } catch (const Error &e) {
        QSqlQuery r(db);
        r.exec(QStringLiteral("ROLLBACK"));
        throw Error(QStringLiteral("Ошибка завершения сценария [%1]:\r\n%2").arg(scriptName, e.text()));
    }
    return run;
}

int importSqlFile(DatabaseKind kind, const QString &dir, const QString &file)
{
    const QString path = databasePath(kind, dir);
    if (!QFileInfo::exists(path))
        throw Error(QStringLiteral("База данных [%1] не найдена").arg(path));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Не удается открыть файл [%1]:\r\n%2").arg(file, f.errorString()));
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString script = utf8.decode(bytes);
    if (utf8.hasError())
        script = cp1251::decode(bytes);
    if (script.startsWith(QChar(0xFEFF)))
        script.remove(0, 1);

    static std::atomic<int> serial{0};
    const QString conn = QStringLiteral("kv_import_%1").arg(++serial);
    try {
        openConnection(kind, path, conn);
        const int n = runSqlScript(conn, script, QFileInfo(file).fileName());
        closeConnection(conn);
        return n;
    } catch (...) {
        closeConnection(conn);
        throw;
    }
}

} // namespace kv
