#include "FieldCache.h"

#include "core/TableData.h"
#include "tools/Money.h"

#include <QObject>
#include <unordered_map>

namespace kv {

namespace {

struct Entry
{
    const TField *field = nullptr;
    int column = -1; // column of a data field in the loaded rows, else -1
};

using Fields = std::unordered_map<const char *, Entry>;

std::unordered_map<const TDataTable *, Fields> &cache()
{
    static std::unordered_map<const TDataTable *, Fields> c;
    return c;
}

// Reads come in runs on one table: the last table's fields are at hand.
const TDataTable *g_lastTable = nullptr;
Fields *g_lastFields = nullptr;

const Entry &entry(const TDataTable &table, const char *name)
{
    Fields *fields = g_lastFields;
    if (&table != g_lastTable) {
        auto &all = cache();
        auto t = all.find(&table);
        if (t == all.end()) {
            t = all.emplace(&table, Fields{}).first;
            // A table object that goes takes its entries with it, so a new one
            // at the same address starts afresh.
            QObject::connect(&table, &QObject::destroyed, [p = &table] {
                cache().erase(p);
                if (g_lastTable == p)
                    g_lastTable = nullptr, g_lastFields = nullptr;
            });
        }
        g_lastTable = &table;
        g_lastFields = fields = &t->second;
    }
    auto f = fields->find(name);
    if (f == fields->end()) {
        Entry e;
        e.field = &table.fieldByName(QLatin1String(name));
        if (e.field->fieldKind() == FieldKind::Data)
            e.column = table.data().columnIndex(e.field->fieldName());
        f = fields->emplace(name, e).first;
    }
    return f->second;
}

} // namespace

const TField &CachedField(const TDataTable &table, const char *name) { return *entry(table, name).field; }

qint32 RowView::integer(const char *name) const
{
    const Entry &e = entry(m_table, name);
    const TTableData &d = m_table.data();
    if (m_row < 0 || e.column < 0 || d.isTextColumn(e.column) || e.field->dataType() == FieldType::Date)
        return e.field->asInteger();
    const double x = d.number(e.column, m_row);
    const FieldType type = e.field->dataType();
    if (type == FieldType::Decimal || type == FieldType::Money)
        return qint32(roundTiesEven(x));
    return qint32(x);
}

double RowView::real(const char *name) const
{
    const Entry &e = entry(m_table, name);
    const TTableData &d = m_table.data();
    if (m_row < 0 || e.column < 0 || d.isTextColumn(e.column) || e.field->dataType() == FieldType::Date)
        return e.field->asFloat();
    const double x = d.number(e.column, m_row);
    const FieldType type = e.field->dataType();
    if (type == FieldType::Decimal || type == FieldType::Money)
        return x;
    return double(qint32(x));
}

QString RowView::text(const char *name) const
{
    const Entry &e = entry(m_table, name);
    const TTableData &d = m_table.data();
    if (m_row < 0 || e.column < 0 || !d.isTextColumn(e.column))
        return e.field->asString();
    return d.text(e.column, m_row);
}

} // namespace kv
