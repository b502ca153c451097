#include "PropertyConditions.h"

#include "ElementInfo.h"
#include "Quantities.h"
#include "core/Data.h"

#include <algorithm>

namespace kv {

namespace {

bool checkProperties(qint32 propKey, const QStringList &properties, int category)
{
    // Only the first character of a line names its category. Without a line
    // of this category nothing can fail, and the key need not be looked up.
    const QString categoryText = QString::number(category);
    auto ofCategory = [&](const QString &line) { return QStringView(line).left(1) == categoryText; };
    if (std::none_of(properties.begin(), properties.end(), ofCategory))
        return true;
    TDataTable &props = DM().T_FrnProp;
    if (!props.locate(QStringLiteral("PropKey"), propKey))
        return true;
    for (const QString &line : properties) {
        if (!ofCategory(line))
            continue;
        const qint32 value = StrToInt(line.mid(2));
        if (props.locate(QStringLiteral("PropKey;ID"), {propKey, value}))
            continue;
        const qint32 group = value / 10 * 10;
        FilteredScan scan(props, QStringLiteral("PropKey = %1 and ID >= %2 and ID < %3")
                                     .arg(propKey)
                                     .arg(group)
                                     .arg(qint64(group) + 10));
        if (!scan.isEmpty())
            return false;
    }
    return true;
}

} // namespace

bool CheckProperties(qint32 propKey, const QStringList &properties, int category)
{
    SelectionCache *cache = SelectionCache::current();
    if (!cache || !cache->holdsProperties(properties))
        return checkProperties(propKey, properties, category);
    if (const std::optional<bool> known = cache->property(propKey, category))
        return *known;
    const bool result = checkProperties(propKey, properties, category);
    cache->setProperty(propKey, category, result);
    return result;
}

} // namespace kv
