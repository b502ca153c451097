#pragma once
// The rebate parameters of a sash as the selection run collects them from
// the catalogue and the construction.
#include <QtGlobal>

namespace kv {

struct SashParams
{
    float ProfWidth = 0;
    float ProfThickness = 0;
    qint32 FalzLuft = 0;
    qint32 FalzSize = 0;
    qint32 FalzPos = 0;
    float DornMass = 0;
    quint8 OpenType = 0;
};

} // namespace kv
