#pragma once
// A message sink for tests: it records every box in order and answers the
// questions from a script, so a test can check what the user would have seen
// and steer the code through each answer.
#include "tools/Messages.h"

#include <QList>
#include <QString>
#include <deque>

namespace kv {

class RecordingMessageSink : public MessageSink
{
public:
    enum class Kind { Error, Warning, Info, OkCancel, OkAbort, TwoButtons };

    struct Call
    {
        Kind kind;
        QString text;
        QString caption1, caption2, title; // two-button dialog only
        int answer = 0;                    // what the question returned (1/0 for OK/other)
    };

    void showError(const QString &text) override;
    void showWarning(const QString &text) override;
    void showInfo(const QString &text) override;
    bool askOkCancel(const QString &text) override;
    bool askOkAbort(const QString &text) override;
    int askTwoButtons(const QString &text, const QString &caption1, const QString &caption2,
                      const QString &title) override;

    // Scripted answers, used in order; when a queue runs dry the default answers.
    // OK/Cancel and OK/Abort questions take the yes/no queue, the two-button
    // dialog the button queue.
    void queueAnswer(bool ok) { m_answers.push_back(ok); }
    void queueButton(int button) { m_buttons.push_back(button); }
    void setDefaultAnswer(bool ok) { m_defaultAnswer = ok; }
    void setDefaultButton(int button) { m_defaultButton = button; }
    // Scripted answers not used yet: a test that expected more questions sees it here.
    int pendingAnswers() const { return int(m_answers.size() + m_buttons.size()); }

    const QList<Call> &calls() const { return m_calls; }
    QStringList texts() const;
    QStringList texts(Kind kind) const;
    int count(Kind kind) const;
    bool isEmpty() const { return m_calls.isEmpty(); }
    void clear() { m_calls.clear(); }

private:
    void record(Kind kind, const QString &text, int answer = 0, const QString &c1 = {},
                const QString &c2 = {}, const QString &title = {});

    QList<Call> m_calls;
    std::deque<bool> m_answers;
    std::deque<int> m_buttons;
    bool m_defaultAnswer = false;
    int m_defaultButton = 0;
};

const char *kindName(RecordingMessageSink::Kind kind);

// Installs a sink for the lifetime of the object and puts the previous one back.
class ScopedMessageSink
{
public:
    explicit ScopedMessageSink(MessageSink &sink) : m_previous(setMessageSink(&sink)) {}
    ~ScopedMessageSink() { setMessageSink(m_previous); }
    ScopedMessageSink(const ScopedMessageSink &) = delete;
    ScopedMessageSink &operator=(const ScopedMessageSink &) = delete;

private:
    MessageSink *m_previous;
};

// A recorder that installs itself: declare one at the top of a test.
class RecordingMessages : public RecordingMessageSink
{
public:
    RecordingMessages() : m_installed(*this) {}

private:
    ScopedMessageSink m_installed;
};

} // namespace kv
