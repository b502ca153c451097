#pragma once
// Whether a documentation row carrying a property key applies to the user's
// property choice.
#include <QStringList>
#include <QtGlobal>

namespace kv {

// properties: lines "<category digit>=<SysProp ID>". True when every chosen
// value of this category is admitted by the key, or its property group is
// not restricted by the key at all. A key without FrnProp rows admits all.
// A value that is not an integer raises the conversion error.
bool CheckProperties(qint32 propKey, const QStringList &properties, int category);

} // namespace kv
