#pragma once
// Expansion of one documented set for one sash: the set's element rows whose
// conditions hold become items of the sash's composition.
#include <QString>
#include <QtGlobal>

namespace kv {

struct SashContext;

// category: the property category of the set's slot. ownHeight: the user
// fixed the handle height, so no article moves the handle. Raises on every
// documentation fault; FrnSet is left unfiltered in every case.
void ExpandSet(const SashContext &context, const QString &setId, int category, bool ownHeight,
               qint32 multiplier);

// The number of entries of a ";"-separated scheme that are <= value; entries
// that are not integers, and -1, do not count.
int CountScaleThresholds(const QString &scheme, float value);

} // namespace kv
