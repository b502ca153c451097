#include "windows/YesNoCancel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace kv {

namespace {
std::function<YesNoCancel(const QString &)> &answerer()
{
    static std::function<YesNoCancel(const QString &)> f;
    return f;
}
} // namespace

YesNoCancel AskYesNoCancel(const QString &text)
{
    if (answerer())
        return answerer()(text);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Подтверждение"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Нет"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    box.setDefaultButton(QMessageBox::Yes);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int r = box.exec();
    QApplication::restoreOverrideCursor();
    return r == QMessageBox::Yes ? YesNoCancel::Yes : r == QMessageBox::No ? YesNoCancel::No : YesNoCancel::Cancel;
}

std::function<YesNoCancel(const QString &)> setYesNoCancelAnswerer(std::function<YesNoCancel(const QString &)> f)
{
    auto previous = std::move(answerer());
    answerer() = std::move(f);
    return previous;
}

} // namespace kv
