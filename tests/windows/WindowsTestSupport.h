#pragma once
// Helpers of the window tests: driving a modal dialog from inside its event
// loop, sending focus changes and keys, and saving a picture of a window when
// KARVELO_SHOT_DIR names a folder (for looking at the dialogs under Xvfb).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFocusEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace kvtest {

// Waits for the next modal dialog, runs action on it, and closes it after a
// while if the action did not, so a broken dialog fails the test instead of
// hanging it.
class ModalDriver
{
public:
    explicit ModalDriver(std::function<void(QWidget *)> action) : m_action(std::move(action))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    bool ran() const { return m_ran; }

private:
    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) {
            if (++m_tries > 500) {
                m_timer.stop();
                ADD_FAILURE() << "no modal dialog appeared";
            }
            return;
        }
        m_timer.stop();
        m_ran = true;
        QPointer<QWidget> guard(w);
        m_action(w);
        QTimer::singleShot(5000, w, [guard] {
            if (guard && guard->isVisible()) {
                ADD_FAILURE() << "dialog still open";
                if (auto *d = qobject_cast<QDialog *>(guard.data()))
                    d->done(-1);
            }
        });
    }

    std::function<void(QWidget *)> m_action;
    QTimer m_timer;
    int m_tries = 0;
    bool m_ran = false;
};

// The field loses the focus, as when the user tabs out of it.
inline void leaveField(QWidget *w)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &out);
}

inline void saveShot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("KARVELO_SHOT_DIR");
    if (dir.isEmpty() || !w)
        return;
    QDir().mkpath(dir);
    w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace kvtest
