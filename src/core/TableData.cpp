#include "TableData.h"

#include "core/DataSet.h"
#include "tools/Errors.h"
#include "tools/OleDate.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>
#include <limits>

namespace kv {

namespace {

// Names in brackets: a double-quoted name that is not a column would be
// taken for a string literal by SQLite and silently read as text.
QString quoted(const QString &identifier)
{
    return QLatin1Char('[') + identifier + QLatin1Char(']');
}

QString errorText(const QSqlError &e)
{
    const QString db = e.databaseText().trimmed();
    return db.isEmpty() ? e.text().trimmed() : db;
}

double roundDecimals(double v, int decimals)
{
    const double p = std::pow(10.0, decimals);
    return std::round(v * p) / p;
}

// Filters compiled per table; old texts are dropped when there are too many.
constexpr int MaxCachedFilters = 8192;

// An explicit transaction that takes the write lock at once, so a busy
// database is waited for by the busy timeout instead of failing half-way.
class WriteTransaction
{
public:
    explicit WriteTransaction(const QSqlDatabase &db) : m_db(db)
    {
        QSqlQuery q(m_db);
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
            throw Error(errorText(q.lastError()));
    }
    ~WriteTransaction()
    {
        if (!m_done) {
            QSqlQuery q(m_db);
            q.exec(QStringLiteral("ROLLBACK"));
        }
    }
    void commit()
    {
        QSqlQuery q(m_db);
        if (!q.exec(QStringLiteral("COMMIT")))
            throw Error(errorText(q.lastError()));
        m_done = true;
    }

private:
    QSqlDatabase m_db;
    bool m_done = false;
};

} // namespace

TTableData::TTableData(const TableDef &def) : m_def(def)
{
    const int n = columnCount();
    m_slot.resize(n);
    m_isText.resize(n);
    int texts = 0, nums = 0;
    for (int c = 0; c < n; ++c) {
        m_isText[c] = column(c).isText();
        m_slot[c] = m_isText[c] ? texts++ : nums++;
        m_columnByName.insert(column(c).name, c);
        m_columnByUpperName.insert(column(c).name.toUpper(), c);
    }
    m_text.resize(texts);
    m_num.resize(nums);
}

TTableData::~TTableData() = default;

int TTableData::columnIndex(const QString &name) const
{
    // Every filter's field names come through here: the name as defined first,
    // without building an upper-case copy.
    const auto exact = m_columnByName.constFind(name);
    if (exact != m_columnByName.constEnd())
        return exact.value();
    return m_columnByUpperName.value(name.toUpper(), -1);
}

void TTableData::acquire()
{
    if (!m_loaded)
        load();
    ++m_users;
}

void TTableData::release()
{
    if (m_users > 0 && --m_users == 0) {
        clear();
        m_loaded = false;
        changed();
    }
}

void TTableData::reload()
{
    checkLoaded();
    load();
    changed();
}

void TTableData::checkLoaded() const
{
    if (!m_loaded)
        throw Error(QStringLiteral("Таблица [%1] не открыта").arg(name()));
}

QString TTableData::selectList() const
{
    QStringList cols{QStringLiteral("rowid")};
    for (const FieldDef &f : m_def.columns)
        cols << quoted(f.name);
    return cols.join(QStringLiteral(", "));
}

void TTableData::clear()
{
    for (auto &v : m_text)
        v.clear();
    for (auto &v : m_num)
        v.clear();
    m_rowIds.clear();
    m_alive.clear();
    m_rowOfId.clear();
    m_liveCount = 0;
}

void TTableData::readRow(int row, const QSqlQuery &q, int first)
{
    for (int c = 0; c < columnCount(); ++c) {
        const QVariant v = q.value(first + c);
        const FieldDef &f = column(c);
        if (m_isText[c]) {
            m_text[m_slot[c]][row] = v.toString();
            continue;
        }
        double x = 0;
        switch (f.type) {
        case FieldType::Date: {
            const QDate d = QDate::fromString(v.toString(), Qt::ISODate);
            x = d.isValid() ? toOleDate(d) : 0.0;
            break;
        }
        case FieldType::Decimal:
            x = roundDecimals(v.toDouble(), f.size);
            break;
        case FieldType::Money:
            x = v.toDouble();
            break;
        default:
            x = double(v.toLongLong());
            break;
        }
        m_num[m_slot[c]][row] = x;
    }
}

void TTableData::load()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.isValid() || !db.isOpen())
        throw Error(QStringLiteral("База данных таблицы [%1] не открыта").arg(name()));
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2").arg(selectList(), quoted(name()))))
        throw Error(errorText(q.lastError()));
    clear();
    int row = 0;
    while (q.next()) {
        for (auto &v : m_text)
            v.emplace_back();
        for (auto &v : m_num)
            v.push_back(0);
        const qint64 id = q.value(0).toLongLong();
        m_rowIds.push_back(id);
        m_alive.push_back(true);
        m_rowOfId.insert(id, row);
        readRow(row, q, 1);
        ++row;
    }
    m_liveCount = row;
    m_loaded = true;
}

QVariant TTableData::value(int c, int row) const
{
    const FieldDef &f = column(c);
    if (m_isText[c])
        return text(c, row);
    const double x = number(c, row);
    switch (f.type) {
    case FieldType::Date:
        return x == 0 ? QVariant(QDate()) : QVariant(dateFromOle(x));
    case FieldType::Decimal:
    case FieldType::Money:
        return x;
    default:
        return qint32(x);
    }
}

QVariant TTableData::toDatabaseValue(int c, const QVariant &v) const
{
    const FieldDef &f = column(c);
    auto bad = [&]() {
        return Error(QStringLiteral("Недопустимое значение [%1] поля [%2] таблицы [%3]")
                         .arg(v.toString(), f.name, name()));
    };
    switch (f.type) {
    case FieldType::String: {
        const QString s = v.toString();
        if (f.size > 0 && s.size() > f.size)
            throw Error(QStringLiteral("Значение поля [%1] таблицы [%2] длиннее %3 символов:\r\n%4")
                            .arg(f.name, name())
                            .arg(f.size)
                            .arg(s));
        return s;
    }
    case FieldType::Date: {
        QDate d;
        if (v.metaType().id() == QMetaType::QDate)
            d = v.toDate();
        else if (v.metaType().id() == QMetaType::QDateTime)
            d = v.toDateTime().date();
        else if (v.metaType().id() == QMetaType::QString)
            d = QDate::fromString(v.toString(), Qt::ISODate);
        else if (v.isValid()) {
            bool ok = false;
            const double x = v.toDouble(&ok);
            if (!ok)
                throw bad();
            d = x == 0 ? QDate() : dateFromOle(x);
        }
        return d.isValid() ? d.toString(Qt::ISODate) : QString();
    }
    case FieldType::Decimal:
    case FieldType::Money: {
        bool ok = false;
        const double x = v.metaType().id() == QMetaType::QString ? QLocale::c().toDouble(v.toString(), &ok)
                                                                  : v.toDouble(&ok);
        if (!ok || !std::isfinite(x))
            throw bad();
        return f.type == FieldType::Decimal ? roundDecimals(x, f.size) : x;
    }
    case FieldType::Boolean:
        throw bad();
    default: {
        bool ok = false;
        const qlonglong x = v.toLongLong(&ok);
        if (!ok)
            throw bad();
        const qlonglong lo = f.type == FieldType::SmallInt ? -32768 : std::numeric_limits<qint32>::min();
        const qlonglong hi = f.type == FieldType::SmallInt ? 32767 : std::numeric_limits<qint32>::max();
        if (x < lo || x > hi)
            throw bad();
        return x;
    }
    }
}

int TTableData::insertRow(const QVariantMap &values)
{
    checkLoaded();
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QStringList cols, marks;
    QVariantList binds;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        const int c = columnIndex(it.key());
        if (c < 0)
            throw Error(QStringLiteral("Поле [%1] не найдено в таблице [%2]").arg(it.key(), name()));
        if (column(c).type == FieldType::AutoInc && !it.value().isValid())
            continue;
        cols << quoted(column(c).name);
        marks << QStringLiteral("?");
        binds << toDatabaseValue(c, it.value());
    }
    const QString sql = cols.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(name()))
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
              .arg(quoted(name()), cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));

    WriteTransaction tr(db);
    QSqlQuery q(db);
    if (!q.prepare(sql))
        throw Error(errorText(q.lastError()));
    for (const QVariant &b : binds)
        q.addBindValue(b);
    if (!q.exec())
        throw Error(errorText(q.lastError()));
    const qint64 id = q.lastInsertId().toLongLong();
    QSqlQuery r(db);
    r.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(selectList(), quoted(name())));
    r.addBindValue(id);
    if (!r.exec() || !r.next())
        throw Error(errorText(r.lastError()));
    tr.commit();

    const int row = rowCount();
    for (auto &v : m_text)
        v.emplace_back();
    for (auto &v : m_num)
        v.push_back(0);
    m_rowIds.push_back(id);
    m_alive.push_back(true);
    m_rowOfId.insert(id, row);
    readRow(row, r, 1);
    ++m_liveCount;
    changed();
    return row;
}

qint64 TTableData::updateRow(int row, const QVariantMap &values)
{
    checkLoaded();
    if (row < 0 || row >= rowCount() || !isAlive(row))
        throw Error(QStringLiteral("Нет текущей записи в таблице [%1]").arg(name()));
    if (values.isEmpty())
        return rowId(row);
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QStringList sets;
    QVariantList binds;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        const int c = columnIndex(it.key());
        if (c < 0)
            throw Error(QStringLiteral("Поле [%1] не найдено в таблице [%2]").arg(it.key(), name()));
        if (column(c).type == FieldType::AutoInc)
            throw Error(QStringLiteral("Поле [%1] таблицы [%2] изменять нельзя").arg(column(c).name, name()));
        sets << QStringLiteral("%1 = ?").arg(quoted(column(c).name));
        binds << toDatabaseValue(c, it.value());
    }
    WriteTransaction tr(db);
    QSqlQuery q(db);
    // An integer primary key is the row's identity in SQLite: changing it
    // changes the rowid, so the statement reports the row's new one.
    if (!q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ? RETURNING rowid")
                       .arg(quoted(name()), sets.join(QStringLiteral(", ")))))
        throw Error(errorText(q.lastError()));
    for (const QVariant &b : binds)
        q.addBindValue(b);
    q.addBindValue(rowId(row));
    if (!q.exec())
        throw Error(errorText(q.lastError()));
    if (!q.next())
        throw Error(QStringLiteral("Запись таблицы [%1] удалена другим пользователем").arg(name()));
    const qint64 id = q.value(0).toLongLong();
    q.finish();
    QSqlQuery r(db);
    r.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(selectList(), quoted(name())));
    r.addBindValue(id);
    if (!r.exec() || !r.next())
        throw Error(errorText(r.lastError()));
    tr.commit();
    m_rowOfId.remove(rowId(row));
    m_rowIds[row] = id;
    m_rowOfId.insert(id, row);
    readRow(row, r, 1);
    changed();
    return id;
}

void TTableData::deleteRow(int row)
{
    checkLoaded();
    if (row < 0 || row >= rowCount() || !isAlive(row))
        throw Error(QStringLiteral("Нет текущей записи в таблице [%1]").arg(name()));
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(name())));
    q.addBindValue(rowId(row));
    if (!q.exec())
        throw Error(errorText(q.lastError()));
    m_alive[row] = false;
    m_rowOfId.remove(rowId(row));
    --m_liveCount;
    changed();
}

void TTableData::deleteAllRows()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.isValid() || !db.isOpen())
        throw Error(QStringLiteral("База данных таблицы [%1] не открыта").arg(name()));
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("DELETE FROM %1").arg(quoted(name()))))
        throw Error(errorText(q.lastError()));
    if (m_loaded) {
        clear();
        changed();
    }
}

int TTableData::findFirst(int c, const QVariant &value) const
{
    if (!m_loaded || c < 0 || !value.isValid())
        return -1;
    if (m_firstRowVersion != m_version) {
        m_firstRow.clear();
        m_firstRowVersion = m_version;
    }
    auto it = m_firstRow.find(c);
    if (it == m_firstRow.end()) {
        FirstRowIndex idx;
        for (int r = rowCount() - 1; r >= 0; --r) {
            if (!m_alive[r])
                continue;
            if (m_isText[c])
                idx.text.insert(text(c, r), r);
            else
                idx.number.insert(numberKey(number(c, r)), r);
        }
        it = m_firstRow.insert(c, std::move(idx));
    }
    if (m_isText[c])
        return it->text.value(value.toString(), -1);
    bool ok = false;
    const double x = value.toDouble(&ok);
    return ok ? it->number.value(numberKey(x), -1) : -1;
}

std::shared_ptr<const CompiledFilter> TTableData::compiledFilter(const QString &text, const QString &objectName)
{
    auto it = m_filters.constFind(text);
    if (it != m_filters.constEnd())
        return it.value();
    const CompiledFilter::Resolver resolve = [this](const QString &n) -> std::optional<CompiledFilter::ColumnRef> {
        const int c = columnIndex(n);
        if (c < 0)
            return std::nullopt;
        return CompiledFilter::ColumnRef{c, m_isText[c]};
    };
    auto f = CompiledFilter::compile(text, resolve, objectName);
    if (m_filters.size() >= MaxCachedFilters)
        m_filters.clear();
    m_filters.insert(text, f);
    return f;
}

void TTableData::addObserver(TDataTable *t)
{
    if (!m_observers.contains(t))
        m_observers.append(t);
}

void TTableData::removeObserver(TDataTable *t) { m_observers.removeAll(t); }

void TTableData::changed()
{
    ++m_version;
    const QList<TDataTable *> observers = m_observers;
    for (TDataTable *t : observers)
        t->storeChanged();
}

} // namespace kv
