// kvf: the headless command-line tool. QCoreApplication only: runs with no display.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvf"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KARVELO_VERSION));
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.at(1) == QLatin1String("--help") || args.at(1) == QLatin1String("help")) {
        out << "kvf " << KARVELO_VERSION << " - Karvelo fittings, headless\n"
            << "usage: kvf <command> [options]\n"
            << "  version        print the program version\n";
        return args.size() < 2 ? 2 : 0;
    }
    if (args.at(1) == QLatin1String("version")) {
        out << KARVELO_VERSION << "\n";
        return 0;
    }
    QTextStream(stderr) << "kvf: unknown command: " << args.at(1) << "\n";
    return 2;
}
