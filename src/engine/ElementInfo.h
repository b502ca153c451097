#pragma once
// What the engine reads about a documentation element: whether it has article
// rows and composite parts, and its FrnItem row. Elements are read once and
// kept while the tables they come from stay unchanged.
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

struct ElementFlags
{
    bool falzLuft = false, falzSize = false, falzPos = false, weight = false, dornMass = false,
         thickness = false, profWidth = false, profSys = false, stulpType = false, direct = false,
         color = false;
};

struct ElementInfo
{
    bool hasArticles = false; // a FrnArt row with this ID
    bool isComposite = false; // a FrnItoI row with this ID
    bool found = false;       // its FrnItem row; the fields below only then
    QString name;
    ElementFlags flags;
    bool isVirtual = false;
    qint32 commonGrp = 0;
};

// The element as the tables hold it.
ElementInfo GetElementInfo(const QString &elementId);
// Catalog.Virtual = 1 of an article, kept like the elements.
bool IsVirtualArticleCached(const QString &article);

// Remembers, for the lifetime of one selection run, the property tests of the
// run's property list. Runs do not nest.
class SelectionCache
{
public:
    explicit SelectionCache(const QStringList &properties);
    ~SelectionCache();
    SelectionCache(const SelectionCache &) = delete;
    SelectionCache &operator=(const SelectionCache &) = delete;

    static SelectionCache *current();

    // Results of CheckProperties for the run's property list by (key, category).
    bool holdsProperties(const QStringList &properties) const { return properties == m_properties; }
    std::optional<bool> property(qint32 key, int category) const;
    void setProperty(qint32 key, int category, bool result);

private:
    QStringList m_properties;
    QHash<qint64, bool> m_propertyResults;
    SelectionCache *m_previous;
};

} // namespace kv
