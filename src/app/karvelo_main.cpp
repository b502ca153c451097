// karvelo: the desktop program.
#include "core/Startup.h"
#include "tools/Messages.h"
#include "tools/WaitCursor.h"
#include "windows/CfgList.h"
#include "windows/DesktopStartup.h"
#include "windows/QtMessages.h"
#include "windows/QtWaitCursor.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(KARVELO_VERSION));
    // Message boxes and the busy cursor go to the screen in the desktop program.
    kv::QtMessageSink messages;
    kv::setMessageSink(&messages);
    kv::QtCursorHook cursor;
    kv::setCursorHook(&cursor);

    kv::ProcessInitialise();
    {
        kv::TConfigListChooser chooser;
        kv::TDesktopStartup modules;
        kv::RunMainSequence(chooser, modules);
    }
    kv::ProcessFinalise();

    kv::setCursorHook(nullptr);
    kv::setMessageSink(nullptr);
    return 0;
}
