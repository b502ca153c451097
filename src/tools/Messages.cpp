#include "Messages.h"
#include "ConsoleMessages.h"

#include <QTextStream>

namespace kv {
namespace {
ConsoleMessageSink &consoleSink()
{
    static ConsoleMessageSink sink;
    return sink;
}
MessageSink *g_sink = nullptr;
} // namespace

MessageSink &messageSink() { return g_sink ? *g_sink : consoleSink(); }

MessageSink *setMessageSink(MessageSink *sink)
{
    MessageSink *previous = g_sink;
    g_sink = sink;
    return previous;
}

void ShowErrorBox(const QString &text) { messageSink().showError(text); }
void ShowErrorDetail(const QString &text, const QString &detail)
{
    messageSink().showError(text + QStringLiteral("\r\n[") + detail + QLatin1Char(']'));
}
void ShowWarningBox(const QString &text) { messageSink().showWarning(text); }
void ShowInfoBox(const QString &text) { messageSink().showInfo(text); }
bool AskOkCancel(const QString &text) { return messageSink().askOkCancel(text); }
bool AskOkAbort(const QString &text) { return messageSink().askOkAbort(text); }
int AskTwoButtons(const QString &text, const QString &caption1, const QString &caption2,
                  const QString &title)
{
    return messageSink().askTwoButtons(text, caption1, caption2, title);
}

void ConsoleMessageSink::print(const char *kind, const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextStream err(stderr);
    err << kind << ": " << t << Qt::endl;
}

void ConsoleMessageSink::showError(const QString &text) { print("error", text); }
void ConsoleMessageSink::showWarning(const QString &text) { print("warning", text); }
void ConsoleMessageSink::showInfo(const QString &text) { print("info", text); }

bool ConsoleMessageSink::askOkCancel(const QString &text)
{
    print(m_answerYes ? "question (answered OK)" : "question (answered Cancel)", text);
    return m_answerYes;
}

bool ConsoleMessageSink::askOkAbort(const QString &text)
{
    print(m_answerYes ? "question (answered OK)" : "question (answered Abort)", text);
    return m_answerYes;
}

int ConsoleMessageSink::askTwoButtons(const QString &text, const QString &caption1,
                                      const QString &caption2, const QString &)
{
    Q_UNUSED(caption2);
    print(m_answerYes ? "question (answered first button)" : "question (closed)",
          text + QStringLiteral(" [") + caption1 + QStringLiteral("]"));
    return m_answerYes ? 1 : 0;
}

} // namespace kv
