#pragma once
// The program's message boxes. Every message text goes through one of these
// functions; what shows it is a MessageSink installed at start-up: dialogs in
// the desktop program, standard error in kvf, a recorder in tests. Layers below
// the windows never open a dialog themselves.
#include <QString>

namespace kv {

class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void showError(const QString &text) = 0;
    virtual void showWarning(const QString &text) = 0;
    virtual void showInfo(const QString &text) = 0;
    virtual bool askOkCancel(const QString &text) = 0;
    virtual bool askOkAbort(const QString &text) = 0;
    // 1 or 2 for the button pressed, 0 when closed otherwise.
    virtual int askTwoButtons(const QString &text, const QString &caption1,
                              const QString &caption2, const QString &title) = 0;
};

// The installed sink (a console sink until something else is installed).
MessageSink &messageSink();
// Installs sink (not owned); nullptr restores the console sink. Returns the previous one.
MessageSink *setMessageSink(MessageSink *sink);

void ShowErrorBox(const QString &text);
// Shows text, CR LF, "[", detail, "]".
void ShowErrorDetail(const QString &text, const QString &detail);
void ShowWarningBox(const QString &text);
void ShowInfoBox(const QString &text);
bool AskOkCancel(const QString &text);
bool AskOkAbort(const QString &text);
int AskTwoButtons(const QString &text, const QString &caption1, const QString &caption2,
                  const QString &title = QStringLiteral("Диалог"));

} // namespace kv
