// kvf init-demo DIR [--name NAME] [--if-no-config]
// Installs the demo configuration below DIR and registers it, so that the
// program starts on the demo documentation. Running it again keeps what is
// there.
#include "KvfCommands.h"

#include "core/DemoInstaller.h"
#include "tools/Errors.h"

namespace {

int usage(QTextStream &err)
{
    err << "usage: kvf init-demo DIR [--name NAME] [--if-no-config]\n"
        << "  --if-no-config  do nothing when any configuration is registered already\n";
    return 2;
}

int run(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty() || args.at(0).startsWith(QLatin1String("--")))
        return usage(err);
    const QString dir = args.at(0);
    QString name = QStringLiteral("Демо");
    bool ifNone = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--name") && i + 1 < args.size())
            name = args.at(++i);
        else if (args.at(i) == QLatin1String("--if-no-config"))
            ifNone = true;
        else
            return usage(err);
    }
    try {
        if (ifNone && kv::anyConfigurationRegistered()) {
            out << "a configuration is registered already; nothing done\n";
            return 0;
        }
        const kv::DemoInstallResult r = kv::installDemoConfiguration(dir, name, kv::readDemoFiles(QStringLiteral(":/demo")));
        for (const QString &path : r.created)
            out << "created " << path << "\n";
        for (const QString &path : r.kept)
            out << "kept    " << path << "\n";
        out << "configuration \"" << name << "\" registered" << (r.madeDefault ? " as the default" : "") << ":\n"
            << "  catalogue " << r.catalogDir << "\n  data      " << r.dataDir << "\n  reports   " << r.reportDir
            << "\n  temp      " << r.tempDir << "\n";
    } catch (const kv::Error &e) {
        QString text = e.text();
        err << "kvf: " << text.replace(QLatin1String("\r\n"), QLatin1String("\n")) << "\n";
        return 1;
    }
    return 0;
}

const bool registered = kv::registerKvfCommand(
    {QStringLiteral("init-demo"), QStringLiteral("init-demo DIR [--name NAME] [--if-no-config]"),
     QStringLiteral("install and register the demo configuration below DIR"), &run});

} // namespace
