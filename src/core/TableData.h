#pragma once
// The rows of one database table, loaded into memory when the first table
// object opens it and shared by every table object of that table. Writes go
// through to the database at once, each in its own short transaction, and
// update the loaded rows; the table objects re-sort and re-filter when the
// version changes.
#include "core/Filter.h"
#include "core/TableDefs.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <memory>
#include <vector>

class QSqlQuery;

namespace kv {

class TDataTable;

class TTableData
{
public:
    explicit TTableData(const TableDef &def);
    ~TTableData();
    TTableData(const TTableData &) = delete;
    TTableData &operator=(const TTableData &) = delete;

    const TableDef &def() const { return m_def; }
    const QString &name() const { return m_def.name; }
    // The Qt SQL connection the table lives in.
    void setConnectionName(const QString &name) { m_connection = name; }
    const QString &connectionName() const { return m_connection; }

    // Loads the rows on first use; throws kv::Error with the database's text.
    void acquire();
    // Drops the rows when the last user has gone.
    void release();
    bool isLoaded() const { return m_loaded; }
    // Reads every row again (changes of other workplaces).
    void reload();

    int columnCount() const { return int(m_def.columns.size()); }
    int columnIndex(const QString &name) const; // case-insensitive; -1 when unknown
    const FieldDef &column(int c) const { return m_def.columns.at(c); }
    bool isTextColumn(int c) const { return m_isText[c]; }

    // Storage rows, deleted ones included (they stay until the next reload).
    int rowCount() const { return int(m_rowIds.size()); }
    bool isAlive(int row) const { return m_alive[row]; }
    int liveCount() const { return m_liveCount; }
    const QString &text(int c, int row) const { return m_text[m_slot[c]][row]; }
    double number(int c, int row) const { return m_num[m_slot[c]][row]; }
    qint64 rowId(int row) const { return m_rowIds[row]; }
    int rowOfRowId(qint64 id) const { return m_rowOfId.value(id, -1); }
    // A field of a row as a variant of its type (a QDate for dates).
    QVariant value(int c, int row) const;
    quint64 version() const { return m_version; }

    // Returns the storage row of the new record.
    int insertRow(const QVariantMap &values);
    // Returns the row's identity afterwards (a new integer key changes it).
    qint64 updateRow(int row, const QVariantMap &values);
    void deleteRow(int row);
    // Works on a table that is not loaded as well.
    void deleteAllRows();

    // The first live row in storage order whose column equals value; -1.
    int findFirst(int column, const QVariant &value) const;

    // Compiled once per filter text; throws kv::Error naming objectName.
    std::shared_ptr<const CompiledFilter> compiledFilter(const QString &text, const QString &objectName);

    void addObserver(TDataTable *t);
    void removeObserver(TDataTable *t);

    // Converts a value for a column as the database stores it; throws
    // kv::Error when it does not fit.
    QVariant toDatabaseValue(int column, const QVariant &value) const;
    // The key a number column is indexed and compared by (no negative zero).
    static double numberKey(double v) { return v + 0.0; }

private:
    void load();
    void clear();
    void readRow(int row, const QSqlQuery &q, int firstColumn);
    QString selectList() const;
    void changed();
    void checkLoaded() const;

    const TableDef &m_def;
    QString m_connection;
    int m_users = 0;
    bool m_loaded = false;
    quint64 m_version = 1;

    QHash<QString, int> m_columnByName;      // names as defined
    QHash<QString, int> m_columnByUpperName; // names upper-cased (ASCII)
    std::vector<int> m_slot;  // column -> index into m_text or m_num
    std::vector<bool> m_isText;
    std::vector<std::vector<QString>> m_text;
    std::vector<std::vector<double>> m_num;
    std::vector<qint64> m_rowIds;
    std::vector<bool> m_alive;
    int m_liveCount = 0;
    QHash<qint64, int> m_rowOfId;

    struct FirstRowIndex
    {
        QHash<QString, int> text;
        QHash<double, int> number;
    };
    mutable QHash<int, FirstRowIndex> m_firstRow;
    mutable quint64 m_firstRowVersion = 0;

    QHash<QString, std::shared_ptr<const CompiledFilter>> m_filters;
    QList<TDataTable *> m_observers;
};

} // namespace kv
