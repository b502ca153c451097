#pragma once
// The values a selection run establishes for one sash before it expands the
// sets, shared by set expansion and article resolution.
#include "engine/SashParams.h"

#include <QString>
#include <QtGlobal>

namespace kv {

class ArticleChooser;
class TkvfFlugel;

struct SashContext
{
    TkvfFlugel *Sash = nullptr;    // has the composition being filled
    TkvfFlugel *Partner = nullptr; // the other sash of a two-sash position
    SashParams Params;
    qint32 Hand = 0;      // Direct of the main set
    quint8 StulpKind = 0; // 6 for a single sash
    qint32 FFB = 0;       // rebate width and height, centimetres
    qint32 FFH = 0;
    float Width = 100;    // width argument of the profile-width test
    float Weight = 0;
    QString OuterColour, InnerColour, CoverColour;
    bool DebugMode = false;               // every element its own item, with its history
    ArticleChooser *Chooser = nullptr;    // nullptr: the first of several articles

    // By ColorCondition: 1 outer, 2 inner, 3 outer for opening kind 1 else
    // inner, anything else the cover colour.
    const QString &ColourFor(qint32 colorCondition) const
    {
        switch (colorCondition) {
        case 1:
            return OuterColour;
        case 2:
            return InnerColour;
        case 3:
            return Params.OpenType == 1 ? OuterColour : InnerColour;
        default:
            return CoverColour;
        }
    }
};

// A stulp mask of the documentation: 0 and bit value 1 admit every kind,
// otherwise bit (kind) must be set.
inline bool StulpMaskAdmits(qint32 mask, quint8 kind)
{
    return mask == 0 || (mask & 1) != 0 || (kind < 31 && (mask & (qint32(1) << kind)) != 0);
}

} // namespace kv
