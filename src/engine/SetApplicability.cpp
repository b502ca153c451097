#include "SetApplicability.h"

#include "FieldCache.h"
#include "core/Data.h"
#include "model/Sash.h"
#include "tools/Geometry.h"

namespace kv {

bool SetFitsSash(const TkvfFlugel *sash, const QString &setId)
{
    if (!sash)
        return false;
    TDataTable &sides = DM().T_FrnSide;
    FilteredScan scan(sides, QStringLiteral("ID='%1'").arg(escapeFilterString(setId)));
    const int sideCount = sash->LineCount();
    if (scan.count() != sideCount)
        return false;
    for (; !scan.eof(); scan.next()) {
        const int i = CachedField(sides, "Side").asInteger() - 1;
        if (i < 0 || i >= sideCount)
            return false;
        const TkvfLine &line = sash->Line(i);
        const qint32 length = RoundHalfAway(double(line.ChordLength()) / 10.0);
        const qint32 radius = RoundHalfAway(double(line.R1) / 10.0);
        const double angle = sash->CornerAngle(i);
        if (CachedField(sides, "MinSize").asInteger() > length || CachedField(sides, "MaxSize").asInteger() < length)
            return false;
        if (CachedField(sides, "MinAngle").asFloat() > angle || CachedField(sides, "MaxAngle").asFloat() < angle)
            return false;
        if (CachedField(sides, "MinRadius").asInteger() > radius
            || CachedField(sides, "MaxRadius").asInteger() < radius)
            return false;
        if (line.IsSemicircle() && CachedField(sides, "FullRadius").asInteger() == 0)
            return false;
        if (line.IsSegmentArc() && CachedField(sides, "HalfRadius").asInteger() == 0)
            return false;
        if (line.IsEllipticArc() && CachedField(sides, "EllipseRadius").asInteger() == 0)
            return false;
    }
    return true;
}

} // namespace kv
