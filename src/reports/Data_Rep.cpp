#include "Data_Rep.h"

namespace kv {

namespace {
TDM_Report *g_module = nullptr;
}

TDM_Report::TDM_Report(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DM_Report"));
    g_module = this;
}

TDM_Report::~TDM_Report()
{
    if (g_module == this)
        g_module = nullptr;
}

TDM_Report *DM_Report() { return g_module; }

} // namespace kv
