#include "QtMessages.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace kv {
namespace {

// A busy cursor would make the box look dead: show the arrow while it is up.
class ArrowWhileShown
{
public:
    ArrowWhileShown()
    {
        const QCursor *c = QGuiApplication::overrideCursor();
        if (c && c->shape() != Qt::ArrowCursor) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
            m_pushed = true;
        }
    }
    ~ArrowWhileShown()
    {
        if (m_pushed)
            QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileShown(const ArrowWhileShown &) = delete;
    ArrowWhileShown &operator=(const ArrowWhileShown &) = delete;

private:
    bool m_pushed = false;
};

} // namespace

QtMessageSink::QtMessageSink()
    : m_owner([] {
          QWidget *w = QApplication::activeModalWidget();
          return w ? w : QApplication::activeWindow();
      }),
      m_play([](Sound) { QApplication::beep(); })
{
}

QWidget *QtMessageSink::owner() const { return m_owner ? m_owner() : nullptr; }

int QtMessageSink::showBox(int icon, const QString &title, const QString &text, int buttons)
{
    ArrowWhileShown arrow;
    QMessageBox box(QMessageBox::Icon(icon), title, text,
                    QMessageBox::StandardButtons(buttons), owner());
    if (QAbstractButton *b = box.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("Отмена"));
    if (QAbstractButton *b = box.button(QMessageBox::Abort))
        b->setText(QStringLiteral("Прервать"));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec();
}

void QtMessageSink::showError(const QString &text)
{
    if (m_play)
        m_play(Sound::Information);
    showBox(QMessageBox::Critical, QStringLiteral("Ошибка"), text, QMessageBox::Ok);
}

void QtMessageSink::showWarning(const QString &text)
{
    if (m_play)
        m_play(Sound::Exclamation);
    showBox(QMessageBox::Warning, QStringLiteral("Предупреждение"), text, QMessageBox::Ok);
}

void QtMessageSink::showInfo(const QString &text)
{
    showBox(QMessageBox::Information, QStringLiteral("Информация"), text, QMessageBox::Ok);
}

bool QtMessageSink::askOkCancel(const QString &text)
{
    return showBox(QMessageBox::Question, QStringLiteral("Подтверждение"), text,
                   QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

bool QtMessageSink::askOkAbort(const QString &text)
{
    if (m_play)
        m_play(Sound::Information);
    return showBox(QMessageBox::Question, QStringLiteral("Подтверждение"), text,
                   QMessageBox::Ok | QMessageBox::Abort)
        == QMessageBox::Ok;
}

int QtMessageSink::askTwoButtons(const QString &text, const QString &caption1,
                                 const QString &caption2, const QString &title)
{
    if (m_play)
        m_play(Sound::Question);
    ArrowWhileShown arrow;
    TwoButtonDialog dialog(text, caption1, caption2, title, owner());
    return dialog.exec();
}

TwoButtonDialog::TwoButtonDialog(const QString &text, const QString &caption1,
                                 const QString &caption2, const QString &title, QWidget *owner)
    : QDialog(owner), m_owner(owner)
{
    setWindowTitle(title.isEmpty() ? QStringLiteral("Диалог") : title);
    setModal(true);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("pictureLabel"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    m_picture->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(iconSize));
    m_picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    m_text = new QLabel(text, this);
    m_text->setObjectName(QStringLiteral("textLabel"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    // Wide enough for a short question on one line, never wider than a small dialog.
    const int natural = m_text->fontMetrics().horizontalAdvance(text) + 8;
    m_text->setFixedWidth(qBound(240, natural, 400));
    m_text->setMinimumHeight(m_text->heightForWidth(m_text->width()));

    m_button1 = new QPushButton(caption1, this);
    m_button1->setObjectName(QStringLiteral("button1"));
    m_button2 = new QPushButton(caption2, this);
    m_button2->setObjectName(QStringLiteral("button2"));
    const int buttonWidth = qMax(90, qMax(m_button1->sizeHint().width(), m_button2->sizeHint().width()));
    m_button1->setFixedWidth(buttonWidth);
    m_button2->setFixedWidth(buttonWidth);
    m_button1->setDefault(true);
    connect(m_button1, &QPushButton::clicked, this, [this] { done(1); });
    connect(m_button2, &QPushButton::clicked, this, [this] { done(2); });

    auto *top = new QHBoxLayout;
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addWidget(m_text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_button1);
    buttons->addSpacing(12);
    buttons->addWidget(m_button2);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TwoButtonDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Over the owner window's centre, or the screen's when there is none.
    QRect area;
    if (m_owner)
        area = m_owner->window()->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) {
        QRect r = frameGeometry();
        r.moveCenter(area.center());
        move(r.topLeft());
    }
}

} // namespace kv
