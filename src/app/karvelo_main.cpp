// karvelo: the desktop program.
#include "core/Startup.h"
#include "tools/Messages.h"
#include "windows/CfgList.h"
#include "windows/DesktopStartup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(KARVELO_VERSION));

    kv::ProcessInitialise();
    {
        kv::TConfigListChooser chooser;
        kv::TDesktopStartup modules;
        kv::RunMainSequence(chooser, modules);
    }
    kv::ProcessFinalise();
    return 0;
}
