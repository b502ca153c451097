#pragma once
// Layouts of the three databases as the program binds them: the columns it
// reads, their types, keys and indexes, and the table objects of the
// catalogue data module with their fixed filters and iteration orders.
#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

enum class DatabaseKind { Catalog, Registry, Report };

enum class FieldType : quint8 {
    String,   // text of at most `size` characters
    SmallInt, // 16-bit integer (flags too)
    Integer,  // 32-bit integer
    Decimal,  // exact decimal with `size` fraction digits
    Money,    // floating-point amount
    AutoInc,  // 32-bit integer assigned by the database on insert
    Date,     // ISO text in the database; a date in memory
    Boolean,  // calculated check-box columns only
};

enum class FieldKind : quint8 {
    Data,       // a column of the table
    Lookup,     // a value of another table found through a key column of this one
    Calculated, // declared for the grids, never computed: always empty
};

struct FieldDef
{
    QString name;
    FieldType type = FieldType::String;
    int size = 0;                   // characters of a string, fraction digits of a decimal
    FieldKind kind = FieldKind::Data;
    QString label;                  // grid caption; the name when empty
    bool visible = true;            // shown in grids
    bool upperCase = false;         // typed in upper case in grids
    bool checkBox = false;          // shown as a check box in grids
    // Lookup fields: lookupResult of the first row of lookupTable whose
    // lookupKey equals this table's keyField.
    QString keyField, lookupTable, lookupKey, lookupResult;

    bool isText() const { return type == FieldType::String; }
    QString displayLabel() const { return label.isEmpty() ? name : label; }
};

struct IndexDef
{
    QString name;
    QStringList fields;
    bool caseInsensitive = false;
};

struct TableDef
{
    QString name;          // table name in the database
    DatabaseKind database = DatabaseKind::Catalog;
    QList<FieldDef> columns; // the columns the program loads
    QStringList primaryKey;  // empty: visited in insertion order
    QList<IndexDef> indexes; // secondary indexes, for sorting

    const FieldDef *column(const QString &name) const; // case-insensitive
    const IndexDef *index(const QString &name) const;  // case-insensitive
};

// A table object of the data module: a view of one table.
struct ViewDef
{
    QString objectName;   // "T_FrnSet"
    QString table;        // "FrnSet"
    QString fixedFilter;  // always in force; empty for none
    QStringList order;    // iteration order (ties: insertion order)
    QStringList fields;   // bound columns; empty = every loaded column
    QList<FieldDef> extraFields; // lookup and calculated fields
};

const QList<TableDef> &tableDefs();
const TableDef *findTableDef(const QString &name);
const QList<ViewDef> &viewDefs();
const ViewDef *findViewDef(const QString &objectName);

} // namespace kv
