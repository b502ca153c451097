#pragma once
// Message sink of the command-line tool: texts go to standard error, and every
// question takes the answer chosen on the command line.
#include "tools/Messages.h"

namespace kv {

class ConsoleMessageSink : public MessageSink
{
public:
    // answerYes: OK / first button for every question; otherwise Cancel / Abort / 0.
    explicit ConsoleMessageSink(bool answerYes = false) : m_answerYes(answerYes) {}
    void setAnswerYes(bool yes) { m_answerYes = yes; }

    void showError(const QString &text) override;
    void showWarning(const QString &text) override;
    void showInfo(const QString &text) override;
    bool askOkCancel(const QString &text) override;
    bool askOkAbort(const QString &text) override;
    int askTwoButtons(const QString &text, const QString &caption1, const QString &caption2,
                      const QString &title) override;

private:
    void print(const char *kind, const QString &text);
    bool m_answerYes;
};

} // namespace kv
