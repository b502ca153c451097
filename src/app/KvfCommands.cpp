#include "KvfCommands.h"

#include <algorithm>

namespace kv {

namespace {

std::vector<KvfCommand> &table()
{
    static std::vector<KvfCommand> commands;
    return commands;
}

} // namespace

bool registerKvfCommand(KvfCommand command)
{
    auto &t = table();
    auto pos = std::lower_bound(t.begin(), t.end(), command.name,
                                [](const KvfCommand &c, const QString &n) { return c.name < n; });
    t.insert(pos, std::move(command));
    return true;
}

const std::vector<KvfCommand> &kvfCommands() { return table(); }

const KvfCommand *findKvfCommand(const QString &name)
{
    for (const KvfCommand &c : table())
        if (c.name == name)
            return &c;
    return nullptr;
}

} // namespace kv
