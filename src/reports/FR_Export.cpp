#include "FR_Export.h"

namespace kv {

namespace {
TFR_Export *g_holder = nullptr;
}

TFR_Export::TFR_Export(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("FR_Export"));
    g_holder = this;
}

TFR_Export::~TFR_Export()
{
    if (g_holder == this)
        g_holder = nullptr;
}

TFR_Export *FR_Export() { return g_holder; }

} // namespace kv
