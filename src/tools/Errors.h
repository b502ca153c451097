#pragma once
// The program's one failure type: its only content is a user-readable text.
// Model and engine operations throw it; the window or command that started the
// action catches it and shows the text.
#include <QString>
#include <stdexcept>

namespace kv {

class Error : public std::runtime_error
{
public:
    explicit Error(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const noexcept { return m_text; }

private:
    QString m_text;
};

} // namespace kv
