#pragma once
// The engine reads dozens of fields per documentation row; looking each up by
// name and converting it through a variant every time costs more than the
// selection itself. The fields of a shared table object never change while it
// exists, so they are found once per table object and name, and values are
// read straight from the loaded rows.
#include "core/DataSet.h"

namespace kv {

// The bound field `name` (a string literal) of table; raises kv::Error like
// fieldByName when the table does not bind it.
const TField &CachedField(const TDataTable &table, const char *name);

// The fields of the table's current record (none: empty values), read as the
// field would read them.
class RowView
{
public:
    explicit RowView(const TDataTable &table) : m_table(table), m_row(table.currentRow()) {}
    qint32 integer(const char *name) const;
    double real(const char *name) const;
    QString text(const char *name) const;

private:
    const TDataTable &m_table;
    int m_row;
};

} // namespace kv
