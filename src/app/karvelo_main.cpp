// karvelo: the desktop program.
#include "core/RecClipBoard.h"
#include "core/Setup.h"
#include "core/Startup.h"
#include "engine/EngineServices.h"
#include "tools/Messages.h"
#include "tools/WaitCursor.h"
#include "windows/ArticleChooserDlg.h"
#include "windows/CfgList.h"
#include "windows/DBGrid.h"
#include "windows/DesktopStartup.h"
#include "windows/QtMessages.h"
#include "windows/QtWaitCursor.h"
#include "windows/RefDialogs.h"

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
    // Values the record clipboard asks for while pasting.
    kv::RecClipBoard().AskValue = kv::QtInputQuery;
    // The currency, firm, catalogue and price group dialogs of the main menu.
    kv::InstallReferenceDialogs();

    // The model reaches the selection engine through these; several fitting
    // articles for one element are offered in the list pick dialog.
    kv::LookupArticleChooser articleChooser;
    kv::EngineServices engine;
    engine.Chooser = &articleChooser;
    engine.DebugMode = [] { return kv::kvfSetup() && kv::kvfSetup()->DebugMode; };
    kv::ScopedModelServices engineInstalled(engine);

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
