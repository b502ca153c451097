#include "QtWaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace kv {

QtCursorHook::~QtCursorHook()
{
    if (m_pushed)
        QGuiApplication::restoreOverrideCursor();
}

Qt::CursorShape QtCursorHook::current() const
{
    const QCursor *c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::ArrowCursor;
}

void QtCursorHook::set(Qt::CursorShape shape)
{
    // The screen cursor is one value here but a stack in Qt: keep at most one
    // entry of our own and take it away when the cursor below it is wanted.
    if (m_pushed) {
        if (shape == m_below) {
            QGuiApplication::restoreOverrideCursor();
            m_pushed = false;
        } else {
            QGuiApplication::changeOverrideCursor(QCursor(shape));
        }
    } else if (shape != current()) {
        m_below = current();
        QGuiApplication::setOverrideCursor(QCursor(shape));
        m_pushed = true;
    }
}

} // namespace kv
