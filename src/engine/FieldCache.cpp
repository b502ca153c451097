#include "FieldCache.h"

#include <QObject>
#include <unordered_map>

namespace kv {

namespace {

using Fields = std::unordered_map<const char *, const TField *>;

std::unordered_map<const TDataTable *, Fields> &cache()
{
    static std::unordered_map<const TDataTable *, Fields> c;
    return c;
}

} // namespace

const TField &CachedField(const TDataTable &table, const char *name)
{
    auto &all = cache();
    auto t = all.find(&table);
    if (t == all.end()) {
        t = all.emplace(&table, Fields{}).first;
        // A table object that goes takes its entries with it, so a new one at
        // the same address starts afresh.
        QObject::connect(&table, &QObject::destroyed, [p = &table] { cache().erase(p); });
    }
    auto f = t->second.find(name);
    if (f == t->second.end())
        f = t->second.emplace(name, &table.fieldByName(QLatin1String(name))).first;
    return *f->second;
}

} // namespace kv
