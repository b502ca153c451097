// kvf: the headless command-line tool. QCoreApplication only: runs with no display.
// The commands themselves are in kvf_cmd_*.cpp (see KvfCommands.h).
#include "KvfCommands.h"

#include "tools/ConsoleMessages.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

void printHelp(QTextStream &out)
{
    out << "kvf " << KARVELO_VERSION << " - Karvelo fittings, headless\n"
        << "usage: kvf [--yes] <command> [options]\n"
        << "  --yes          answer OK to every question (default: Cancel)\n";
    for (const kv::KvfCommand &c : kv::kvfCommands()) {
        out << "  " << c.name.leftJustified(14) << " " << c.summary << "\n";
        for (const QString &line : c.usage.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            out << "      kvf " << line << "\n";
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvf"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KARVELO_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    // Questions the program would ask in a dialog take the answer chosen here;
    // every message goes to standard error.
    const bool answerYes = args.size() > 1 && args.at(1) == QLatin1String("--yes");
    if (answerYes)
        args.removeAt(1);
    kv::ConsoleMessageSink messages(answerYes);
    kv::setMessageSink(&messages);
    if (args.size() < 2 || args.at(1) == QLatin1String("--help") || args.at(1) == QLatin1String("help")) {
        printHelp(out);
        return args.size() < 2 ? 2 : 0;
    }
    const kv::KvfCommand *command = kv::findKvfCommand(args.at(1));
    if (!command) {
        err << "kvf: unknown command: " << args.at(1) << "\n";
        return 2;
    }
    return command->run(args.mid(2), out, err);
}
