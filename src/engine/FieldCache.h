#pragma once
// The engine reads dozens of fields per documentation row; looking each up by
// name every time costs more than the selection itself. The fields of a
// shared table object never change while it exists, so they are found once
// per table object and name.
#include "core/DataSet.h"

namespace kv {

// The bound field `name` (a string literal) of table; raises kv::Error like
// fieldByName when the table does not bind it.
const TField &CachedField(const TDataTable &table, const char *name);

} // namespace kv
