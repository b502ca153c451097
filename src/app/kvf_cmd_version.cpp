// kvf version
#include "KvfCommands.h"

namespace {

int run(const QStringList &, QTextStream &out, QTextStream &)
{
    out << KARVELO_VERSION << "\n";
    return 0;
}

const bool registered = kv::registerKvfCommand(
    {QStringLiteral("version"), QStringLiteral("version"), QStringLiteral("print the program version"), &run});

} // namespace
