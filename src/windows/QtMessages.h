#pragma once
// The desktop program's message boxes: modal Qt dialogs with the icon and
// buttons of their kind, a sound before the ones that call for attention, and
// the arrow cursor while a box is up even when a busy cursor is active.
#include "tools/Messages.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace kv {

class QtMessageSink : public MessageSink
{
public:
    enum class Sound { Information, Exclamation, Question };

    QtMessageSink();

    void showError(const QString &text) override;
    void showWarning(const QString &text) override;
    void showInfo(const QString &text) override;
    bool askOkCancel(const QString &text) override;
    bool askOkAbort(const QString &text) override;
    int askTwoButtons(const QString &text, const QString &caption1, const QString &caption2,
                      const QString &title) override;

    // The window a box belongs to and is centred over; by default the active
    // modal dialog or else the active window.
    void setOwnerProvider(std::function<QWidget *()> owner) { m_owner = std::move(owner); }
    // Plays a sound; by default the platform's beep whatever the kind.
    void setSoundPlayer(std::function<void(Sound)> play) { m_play = std::move(play); }

private:
    int showBox(int icon, const QString &title, const QString &text, int buttons);
    QWidget *owner() const;

    std::function<QWidget *()> m_owner;
    std::function<void(Sound)> m_play;
};

// The small fixed-size question dialog with two buttons: exec() gives 1 or 2
// for the button pressed, 0 when closed any other way.
class TwoButtonDialog : public QDialog
{
    Q_OBJECT
public:
    TwoButtonDialog(const QString &text, const QString &caption1, const QString &caption2,
                    const QString &title, QWidget *owner);

    QLabel *pictureLabel() const { return m_picture; }
    QLabel *textLabel() const { return m_text; }
    QPushButton *button1() const { return m_button1; }
    QPushButton *button2() const { return m_button2; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_owner;
    QLabel *m_picture;
    QLabel *m_text;
    QPushButton *m_button1;
    QPushButton *m_button2;
};

} // namespace kv
