// karvelo: the desktop program.
#include "windows/QtMessages.h"
#include "windows/QtWaitCursor.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Message boxes and the busy cursor go to the screen in the desktop program.
    kv::QtMessageSink messages;
    kv::setMessageSink(&messages);
    kv::QtCursorHook cursor;
    kv::setCursorHook(&cursor);

    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Karvelo ФУРНИТУРА"));
    w.resize(1024, 700);
    w.show();
    const int rc = app.exec();

    kv::setCursorHook(nullptr);
    kv::setMessageSink(nullptr);
    return rc;
}
