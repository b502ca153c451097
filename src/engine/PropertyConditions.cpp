#include "PropertyConditions.h"

#include "Quantities.h"
#include "core/Data.h"

namespace kv {

bool CheckProperties(qint32 propKey, const QStringList &properties, int category)
{
    TDataTable &props = DM().T_FrnProp;
    if (!props.locate(QStringLiteral("PropKey"), propKey))
        return true;
    const QString categoryText = QString::number(category);
    for (const QString &line : properties) {
        // Only the first character names the category.
        if (line.left(1) != categoryText)
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

} // namespace kv
