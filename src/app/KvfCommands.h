#pragma once
// The command table of kvf. Each command lives in its own kvf_cmd_*.cpp and
// registers itself there, so commands are added without touching the others:
//
//   static const bool registered = kv::registerKvfCommand({
//       QStringLiteral("name"), QStringLiteral("name ARGS"), QStringLiteral("what it does"), &run});
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <vector>

namespace kv {

struct KvfCommand
{
    QString name;    // first argument of kvf
    QString usage;   // lines of the help text, without "kvf "
    QString summary; // one line
    // args: the arguments after the command name. Returns the exit code:
    // 0 done, 1 failed, 2 wrong usage.
    std::function<int(const QStringList &args, QTextStream &out, QTextStream &err)> run;
};

bool registerKvfCommand(KvfCommand command);
// Sorted by name.
const std::vector<KvfCommand> &kvfCommands();
const KvfCommand *findKvfCommand(const QString &name);

} // namespace kv
