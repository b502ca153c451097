#include "ElementInfo.h"

#include "CatalogLookups.h"
#include "FieldCache.h"
#include "core/Data.h"

#include <QObject>
#include <algorithm>
#include <iterator>

namespace kv {

namespace {

SelectionCache *g_current = nullptr;

ElementInfo readElement(const QString &id)
{
    TDM &dm = DM();
    const QString field = QStringLiteral("ID");
    ElementInfo e;
    e.hasArticles = dm.T_FrnArt.locate(field, id);
    e.isComposite = dm.T_FrnItoI.locate(field, id);
    TDataTable &items = dm.T_FrnItem;
    e.found = items.locate(field, id);
    if (!e.found)
        return e;
    const RowView row(items);
    auto on = [&](const char *name) { return row.integer(name) == 1; };
    e.name = row.text("Name");
    e.flags = {on("HasFalzLuft"),    on("HasFalzSize"),    on("HasFalzPos"),     on("CheckWeight"),
               on("HasDornMass"),    on("CheckThickness"), on("CheckProfWidth"), on("HasProfSys"),
               on("CheckStulpType"), on("CheckDirect"),    on("HasColor")};
    e.isVirtual = on("Virtual");
    e.commonGrp = row.integer("CommonGrp");
    return e;
}

qint64 propertyKey(qint32 key, int category) { return (qint64(key) << 8) | (category & 0xFF); }

// What was read, valid while the data module and the versions of the tables
// read are the same.
struct Kept
{
    const TDM *dm = nullptr;
    quint64 versions[4] = {0, 0, 0, 0};
    QHash<QString, ElementInfo> elements;
    QHash<QString, bool> virtualArticles;
};

Kept &storage()
{
    static Kept k;
    return k;
}

Kept &kept()
{
    Kept &k = storage();
    TDM &dm = DM();
    const quint64 versions[4] = {dm.T_FrnArt.data().version(), dm.T_FrnItoI.data().version(),
                                 dm.T_FrnItem.data().version(), dm.T_Catalog.data().version()};
    if (k.dm != &dm || !std::equal(std::begin(versions), std::end(versions), std::begin(k.versions))) {
        if (k.dm != &dm)
            // A data module that goes takes what was read from it along.
            QObject::connect(&dm.T_FrnItem, &QObject::destroyed, [] { storage() = Kept{}; });
        k.dm = &dm;
        std::copy(std::begin(versions), std::end(versions), std::begin(k.versions));
        k.elements.clear();
        k.virtualArticles.clear();
    }
    return k;
}

} // namespace

ElementInfo GetElementInfo(const QString &elementId)
{
    Kept &k = kept();
    auto it = k.elements.constFind(elementId);
    if (it == k.elements.constEnd())
        it = k.elements.insert(elementId, readElement(elementId));
    return it.value();
}

bool IsVirtualArticleCached(const QString &article)
{
    Kept &k = kept();
    auto it = k.virtualArticles.constFind(article);
    if (it == k.virtualArticles.constEnd())
        it = k.virtualArticles.insert(article, IsVirtualArticle(article));
    return it.value();
}

SelectionCache::SelectionCache(const QStringList &properties) : m_properties(properties), m_previous(g_current)
{
    g_current = this;
}

SelectionCache::~SelectionCache() { g_current = m_previous; }

SelectionCache *SelectionCache::current() { return g_current; }

std::optional<bool> SelectionCache::property(qint32 key, int category) const
{
    if (category < 0 || category > 255)
        return std::nullopt;
    const auto it = m_propertyResults.constFind(propertyKey(key, category));
    if (it == m_propertyResults.constEnd())
        return std::nullopt;
    return it.value();
}

void SelectionCache::setProperty(qint32 key, int category, bool result)
{
    if (category >= 0 && category <= 255)
        m_propertyResults.insert(propertyKey(key, category), result);
}

} // namespace kv
