#pragma once
// Table objects and queries of the data modules. A table object (TDataTable)
// is one view of a loaded table: its own current record, filter, iteration
// order and fields. Every catalogue table object is shared by the whole
// program, so whoever filters one removes the filter again (FilteredScan).
#include "core/Filter.h"
#include "core/TableDefs.h"
#include "tools/Money.h"

#include <QFlags>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <vector>

namespace kv {

class TTableData;
class TDataTable;

// Common base of tables and queries: what opening, closing and the
// data-aware controls need.
class TDataSet : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Table, Query, Other };

    explicit TDataSet(QObject *parent = nullptr) : QObject(parent) {}
    virtual Kind kind() const { return Kind::Other; }
    // Both throw kv::Error carrying the storage's text.
    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isActive() const = 0;

    // Suspends the data-aware controls' updates; calls nest. The last
    // enableControls() tells the controls to show the data set anew.
    void disableControls() { ++m_disabled; }
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

Q_SIGNALS:
    // Rows, order or filter changed: controls re-read everything.
    void dataChanged();
    // The current record moved.
    void currentChanged();

protected:
    void notifyDataChanged();
    void notifyCurrentChanged();

private:
    int m_disabled = 0;
};

// A field of a table object. Data fields read the current record; lookup
// fields read another table without moving it; calculated fields are always
// empty. With no current record every field is empty.
class TField
{
public:
    const FieldDef &def() const { return *m_def; }
    const QString &fieldName() const { return m_def->name; }
    QString displayLabel() const { return m_def->displayLabel(); }
    FieldType dataType() const { return m_def->type; }
    FieldKind fieldKind() const { return m_def->kind; }
    int size() const { return m_def->size; }
    bool isReadOnly() const { return m_def->kind != FieldKind::Data || m_def->type == FieldType::AutoInc; }

    QVariant value() const;       // invalid when empty
    bool isNull() const { return !value().isValid(); }
    QString asString() const;     // numbers with a point
    qint32 asInteger() const;     // throws kv::Error on a text that is no number
    double asFloat() const;
    Money asMoney() const;        // rounded to 1/10000, ties to even
    bool asBoolean() const { return asInteger() != 0; }
    // The value in a row of the current view (0-based), without moving to it.
    QVariant valueAt(int viewIndex) const;

private:
    friend class TDataTable;
    QVariant valueOfRow(int row) const;

    TDataTable *m_table = nullptr;
    const FieldDef *m_def = nullptr;
    int m_column = -1;                  // data: column of the table
    int m_keyColumn = -1;               // lookup: key column of this table
    TTableData *m_lookupData = nullptr; // lookup: the other table
    int m_lookupKey = -1, m_lookupResult = -1;
};

enum class LocateOption { CaseInsensitive = 1, PartialKey = 2 };
Q_DECLARE_FLAGS(LocateOptions, LocateOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(LocateOptions)

class TDataTable : public TDataSet
{
    Q_OBJECT
public:
    TDataTable(const ViewDef &view, TTableData &data, QObject *parent = nullptr);
    ~TDataTable() override;

    Kind kind() const override { return Kind::Table; }
    const QString &name() const { return m_view.objectName; }
    // The table's name in its database (the text of open/close messages).
    const QString &tableName() const;
    TTableData &data() const { return m_data; }
    // Lookup fields read the tables named by their definitions through this.
    void resolveLookups(const std::function<TTableData *(const QString &)> &tableByName);

    void open() override;
    void close() override;
    bool isActive() const override { return m_active; }

    // Fields
    const std::vector<std::unique_ptr<TField>> &fields() const { return m_fields; }
    TField *findField(const QString &name) const; // nullptr when not bound
    TField &fieldByName(const QString &name) const; // throws kv::Error when not bound
    // By-name reads: an unbound name or no current record give no value.
    QVariant fieldValue(const QString &name) const;
    QString asString(const QString &name) const { return fieldByName(name).asString(); }
    qint32 asInteger(const QString &name) const { return fieldByName(name).asInteger(); }
    double asFloat(const QString &name) const { return fieldByName(name).asFloat(); }
    Money asMoney(const QString &name) const { return fieldByName(name).asMoney(); }

    // Navigation in the order of the index in use.
    void first();
    void next();
    void prior();
    void last();
    bool eof() const;
    bool bof() const;
    bool isEmpty() const { return recordCount() == 0; }
    int recordCount() const;  // rows of the current (filtered) view
    int recNo() const;        // 1-based; 0 when empty
    void setRecNo(int recNo);
    // Storage row of the current record, -1 when there is none.
    int currentRow() const;
    // The row's identity in its table, for returning to it later.
    qint64 bookmark() const;
    bool gotoBookmark(qint64 bookmark);
    // The identity of the row at a view position (0-based) without moving
    // there; -1 outside the view.
    qint64 bookmarkAt(int viewIndex) const;
    // The view position of a row identity; -1 when the row is not in the view.
    int viewIndexOfBookmark(qint64 bookmark) const;

    // The first record of the view whose fields ("A" or "A;B") equal the
    // values: exact and case-sensitive unless options say otherwise. Makes
    // it current and returns true, or leaves the position and returns false.
    bool locate(const QString &fieldNames, const QVariantList &values, LocateOptions options = {});
    bool locate(const QString &fieldName, const QVariant &value, LocateOptions options = {})
    {
        return locate(fieldName, QVariantList{value}, options);
    }
    // Locate on the fields of the iteration index, all of them given.
    bool findKey(const QVariantList &values);

    // Record filter. Setting the text of an active filter, or switching it
    // on, applies it at once and moves to the first record. Errors in the
    // text raise kv::Error and leave the table as it was.
    const QString &filter() const { return m_filterText; }
    void setFilter(const QString &text);
    bool isFiltered() const { return m_filtered; }
    void setFiltered(bool on);
    const QString &fixedFilter() const { return m_view.fixedFilter; }

    // Iteration order: field names ("A;B") or an index of the table by name;
    // empty restores the table object's own order. Throws kv::Error for a
    // field that cannot be sorted by.
    QString indexFieldNames() const { return m_order.join(QLatin1Char(';')); }
    void setIndexFieldNames(const QString &names);
    void setIndexName(const QString &indexName);

    // Writing: through to the database at once. A new record becomes the
    // current one; an updated one stays current; after deleting, the next
    // record is current.
    void appendRecord(const QVariantMap &values);
    void updateRecord(const QVariantMap &values);
    void deleteRecord();
    // Deletes every row of the table (all views of it), also when closed.
    void emptyTable();
    // Reads the rows again from the database (other workplaces' changes).
    void refresh();

    // For FilteredScan: one scan per table object at a time.
    bool scanActive() const { return m_scanActive; }
    void setScanActive(bool on) { m_scanActive = on; }

    // Called by the loaded table when its rows change.
    void storeChanged();

private:
    friend class TField;
    void checkActive() const;
    void sync() const;
    void rebuildBase() const;
    void applyFilter(const std::shared_ptr<const CompiledFilter> &f) const;
    int viewSize() const;
    int baseAt(int viewIndex) const { return m_filterActive ? m_visible[viewIndex] : viewIndex; }
    int rowAtView(int viewIndex) const { return m_base[baseAt(viewIndex)]; }
    int viewIndexOfBase(int basePos) const; // -1 when filtered out
    int viewIndexOfRow(int row) const;
    const std::vector<int> *bucket(int column, const QString &text, double number, bool isText) const;
    std::vector<int> resolveOrder(const QStringList &names, bool *caseInsensitive) const;
    void moveTo(int viewIndex);

    const ViewDef &m_view;
    TTableData &m_data;
    bool m_active = false;
    std::vector<std::unique_ptr<TField>> m_fields;
    QHash<QString, TField *> m_fieldByName;  // upper-case names
    QHash<QString, TField *> m_fieldByExact; // names as declared: no case folding on the usual path

    QStringList m_order;
    bool m_orderCaseInsensitive = false;
    std::vector<int> m_orderColumns;
    std::shared_ptr<const CompiledFilter> m_fixed;

    // Derived state, rebuilt lazily when the loaded table changes.
    mutable quint64 m_syncedVersion = 0;
    mutable std::vector<int> m_base;        // storage rows in index order, fixed filter applied
    mutable std::vector<int> m_basePosOfRow; // storage row -> position in m_base, -1
    struct Bucket
    {
        QHash<QString, std::vector<int>> text;
        QHash<double, std::vector<int>> number;
    };
    mutable QHash<int, Bucket> m_buckets;    // column -> value -> base positions
    mutable std::vector<int> m_visible;       // base positions passing the filter
    mutable bool m_filterActive = false;
    std::shared_ptr<const CompiledFilter> m_compiledFilter;

    QString m_filterText;
    bool m_filtered = false;
    mutable int m_pos = 0;
    mutable qint64 m_currentId = -1; // follows the current record through changes
    mutable bool m_eof = true;
    mutable bool m_bof = true;
    bool m_scanActive = false;
};

// A data source: what the data-aware controls and the list dialogs attach to.
class TDataSource
{
public:
    explicit TDataSource(TDataTable *dataSet = nullptr) : m_dataSet(dataSet) {}
    TDataTable *dataSet() const { return m_dataSet; }
    void setDataSet(TDataTable *t) { m_dataSet = t; }

private:
    TDataTable *m_dataSet;
};

// The filtered-scan protocol as a scope: suspends the table's control
// updates, sets and applies the filter and moves to the first record; on
// leaving the scope, also by an exception, the filter is switched off and
// cleared and the updates are resumed. One scan per table object at a time.
class FilteredScan
{
public:
    FilteredScan(TDataTable &table, const QString &filter);
    ~FilteredScan();
    FilteredScan(const FilteredScan &) = delete;
    FilteredScan &operator=(const FilteredScan &) = delete;

    TDataTable &table() const { return m_table; }
    int count() const { return m_table.recordCount(); }
    bool isEmpty() const { return m_table.isEmpty(); }
    bool eof() const { return m_table.eof(); }
    void next() { m_table.next(); }
    void first() { m_table.first(); }
    // Replaces the filter within the same scan (a fallback condition).
    void setFilter(const QString &filter);

private:
    void restore() noexcept;
    TDataTable &m_table;
};

// An SQL select on one of the databases, read whole when opened.
class TQuery : public TDataSet
{
    Q_OBJECT
public:
    explicit TQuery(const QString &connectionName = {}, QObject *parent = nullptr);
    Kind kind() const override { return Kind::Query; }

    void setConnectionName(const QString &name) { m_connection = name; }
    const QString &connectionName() const { return m_connection; }
    // The statement as lines (joined with line breaks) or as one text.
    void setSql(const QStringList &lines) { m_sql = lines.join(QLatin1Char('\n')); }
    void setSql(const QString &text) { m_sql = text; }
    const QString &sqlText() const { return m_sql; }

    void open() override;
    void close() override;
    bool isActive() const override { return m_active; }

    void first();
    void next();
    bool eof() const;
    int recordCount() const { return int(m_rows.size()); }
    int recNo() const { return m_rows.empty() ? 0 : m_pos + 1; }
    void setRecNo(int recNo);
    const QStringList &fieldNames() const { return m_names; }
    // No value for an unknown field or with no current record.
    QVariant fieldValue(const QString &name) const;
    QVariant valueAt(int row, int column) const;

private:
    QString m_connection;
    QString m_sql;
    bool m_active = false;
    QStringList m_names;
    std::vector<QVariantList> m_rows;
    int m_pos = 0;
    bool m_eof = true;
};

// Opens a data set; a failure is shown in the error box ("Ошибка открытия
// файла [%s]\r\n(%s)" for a table, the SQL text for a query). True when open.
bool OpenDataSet(TDataSet &ds);
// The same for closing.
bool CloseDataSet(TDataSet &ds);
// Deletes every record of the table; an open table is closed first and
// opened again afterwards, also when emptying fails (the error passes on).
void EmptyTableReopen(TDataTable &table);

} // namespace kv
