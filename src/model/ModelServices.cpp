#include "ModelServices.h"

#include "tools/Errors.h"

namespace kv {

namespace {
ModelServices *g_services = nullptr;
}

ModelServices &modelServices()
{
    if (!g_services)
        throw Error(QStringLiteral("Модуль подбора фурнитуры не подключен!"));
    return *g_services;
}

ModelServices *setModelServices(ModelServices *services)
{
    ModelServices *previous = g_services;
    g_services = services;
    return previous;
}

} // namespace kv
