#pragma once
// Whether a set's side table fits the outline of a sash: the fittings dialog
// offers only the sets that do.
#include <QString>

namespace kv {

class TkvfFlugel;

// True when the set has one FrnSide row per side of the sash and every side's
// length, corner angle, radius and arc kind lies within its row. A zero
// maximum is a limit like any other. False without a sash.
bool SetFitsSash(const TkvfFlugel *sash, const QString &setId);

} // namespace kv
