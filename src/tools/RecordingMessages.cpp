#include "RecordingMessages.h"

namespace kv {

const char *kindName(RecordingMessageSink::Kind kind)
{
    switch (kind) {
    case RecordingMessageSink::Kind::Error: return "error";
    case RecordingMessageSink::Kind::Warning: return "warning";
    case RecordingMessageSink::Kind::Info: return "info";
    case RecordingMessageSink::Kind::OkCancel: return "ok-cancel";
    case RecordingMessageSink::Kind::OkAbort: return "ok-abort";
    case RecordingMessageSink::Kind::TwoButtons: return "two-buttons";
    }
    return "?";
}

void RecordingMessageSink::record(Kind kind, const QString &text, int answer, const QString &c1,
                                  const QString &c2, const QString &title)
{
    m_calls.append(Call{kind, text, c1, c2, title, answer});
}

void RecordingMessageSink::showError(const QString &text) { record(Kind::Error, text); }
void RecordingMessageSink::showWarning(const QString &text) { record(Kind::Warning, text); }
void RecordingMessageSink::showInfo(const QString &text) { record(Kind::Info, text); }

bool RecordingMessageSink::askOkCancel(const QString &text)
{
    bool ok = m_defaultAnswer;
    if (!m_answers.empty()) {
        ok = m_answers.front();
        m_answers.pop_front();
    }
    record(Kind::OkCancel, text, ok ? 1 : 0);
    return ok;
}

bool RecordingMessageSink::askOkAbort(const QString &text)
{
    bool ok = m_defaultAnswer;
    if (!m_answers.empty()) {
        ok = m_answers.front();
        m_answers.pop_front();
    }
    record(Kind::OkAbort, text, ok ? 1 : 0);
    return ok;
}

int RecordingMessageSink::askTwoButtons(const QString &text, const QString &caption1,
                                        const QString &caption2, const QString &title)
{
    int button = m_defaultButton;
    if (!m_buttons.empty()) {
        button = m_buttons.front();
        m_buttons.pop_front();
    }
    record(Kind::TwoButtons, text, button, caption1, caption2, title);
    return button;
}

QStringList RecordingMessageSink::texts() const
{
    QStringList out;
    for (const Call &c : m_calls)
        out.append(c.text);
    return out;
}

QStringList RecordingMessageSink::texts(Kind kind) const
{
    QStringList out;
    for (const Call &c : m_calls)
        if (c.kind == kind)
            out.append(c.text);
    return out;
}

int RecordingMessageSink::count(Kind kind) const
{
    int n = 0;
    for (const Call &c : m_calls)
        n += c.kind == kind;
    return n;
}

} // namespace kv
