#include "windows/QtMessages.h"
#include "tools/RecordingMessages.h"
#include "support/QStringPrinter.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <vector>

using namespace kv;
using kvtest::ModalDriver;
using Sound = QtMessageSink::Sound;

namespace {
QString u(const char *s) { return QString::fromUtf8(s); }

void pressEscape(QWidget *w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

struct SeenBox
{
    bool isBox = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString text, cancelText, abortText;
    const QCursor *cursor = nullptr;
    Qt::CursorShape cursorShape = Qt::BitmapCursor;
};

class QtMessagesTest : public ::testing::Test
{
protected:
    QtMessagesTest() : installed(sink)
    {
        sink.setSoundPlayer([this](Sound s) { sounds.push_back(s); });
    }

    // Runs call while a driver looks at the box and answers it with `how`.
    template <typename Call>
    auto drive(std::function<void(QMessageBox *)> how, Call call, SeenBox &seen)
    {
        ModalDriver driver([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            seen.isBox = box != nullptr;
            seen.cursor = QGuiApplication::overrideCursor();
            seen.cursorShape = seen.cursor ? seen.cursor->shape() : Qt::BitmapCursor;
            if (!box) {
                qobject_cast<QDialog *>(w)->reject();
                return;
            }
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
            seen.text = box->text();
            if (auto *b = box->button(QMessageBox::Cancel))
                seen.cancelText = b->text();
            if (auto *b = box->button(QMessageBox::Abort))
                seen.abortText = b->text();
            how(box);
        });
        auto result = call();
        EXPECT_TRUE(driver.ran());
        return result;
    }

    QtMessageSink sink;
    ScopedMessageSink installed;
    std::vector<Sound> sounds;
};

auto click(QMessageBox::StandardButton which)
{
    return [which](QMessageBox *box) { box->button(which)->click(); };
}

} // namespace

TEST_F(QtMessagesTest, BoxesHaveTheirKindButtonsAndSounds)
{
    struct Case
    {
        const char *name;
        std::function<int()> call;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        std::vector<Sound> sounds;
        const char *shownText;
    };
    const Case cases[] = {
        {"error", [] { ShowErrorBox(u("Ошибка!")); return 0; }, QMessageBox::Critical,
         QMessageBox::Ok, {Sound::Information}, "Ошибка!"},
        {"error detail", [] { ShowErrorDetail(u("Ошибка"), u("нет файла")); return 0; },
         QMessageBox::Critical, QMessageBox::Ok, {Sound::Information}, "Ошибка\r\n[нет файла]"},
        {"warning", [] { ShowWarningBox(u("Внимание")); return 0; }, QMessageBox::Warning,
         QMessageBox::Ok, {Sound::Exclamation}, "Внимание"},
        {"info", [] { ShowInfoBox(u("Готово")); return 0; }, QMessageBox::Information,
         QMessageBox::Ok, {}, "Готово"},
        {"ok-cancel", [] { return int(AskOkCancel(u("Удалить запись?"))); }, QMessageBox::Question,
         QMessageBox::Ok | QMessageBox::Cancel, {}, "Удалить запись?"},
        {"ok-abort", [] { return int(AskOkAbort(u("Продолжить?"))); }, QMessageBox::Question,
         QMessageBox::Ok | QMessageBox::Abort, {Sound::Information}, "Продолжить?"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        sounds.clear();
        SeenBox seen;
        const int result = drive(click(QMessageBox::Ok), c.call, seen);
        ASSERT_TRUE(seen.isBox);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
        EXPECT_EQ(seen.text, u(c.shownText));
        EXPECT_EQ(sounds, c.sounds);
        if (c.buttons & QMessageBox::Cancel) {
            EXPECT_EQ(seen.cancelText, u("Отмена"));
        }
        if (c.buttons & QMessageBox::Abort) {
            EXPECT_EQ(seen.abortText, u("Прервать"));
        }
        if (c.buttons != QMessageBox::Ok) {
            EXPECT_EQ(result, 1); // OK chosen
        }
    }
}

TEST_F(QtMessagesTest, QuestionsAreTrueOnlyForOk)
{
    SeenBox seen;
    EXPECT_FALSE(drive(click(QMessageBox::Cancel), [] { return AskOkCancel(u("?")); }, seen));
    EXPECT_FALSE(drive(click(QMessageBox::Abort), [] { return AskOkAbort(u("?")); }, seen));
    EXPECT_FALSE(drive([](QMessageBox *b) { pressEscape(b); }, [] { return AskOkCancel(u("?")); }, seen));
    EXPECT_FALSE(drive([](QMessageBox *b) { pressEscape(b); }, [] { return AskOkAbort(u("?")); }, seen));
    EXPECT_FALSE(drive([](QMessageBox *b) { b->close(); }, [] { return AskOkCancel(u("?")); }, seen));
}

TEST_F(QtMessagesTest, ArrowCursorWhileABoxIsUp)
{
    SeenBox seen;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    drive(click(QMessageBox::Ok), [] { ShowErrorBox(u("x")); return 0; }, seen);
    EXPECT_EQ(seen.cursorShape, Qt::ArrowCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);

    seen = {};
    drive([](QMessageBox *) {}, [] { return AskTwoButtons(u("x"), u("a"), u("b")); }, seen);
    EXPECT_EQ(seen.cursorShape, Qt::ArrowCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();

    // No busy cursor: nothing is pushed, nothing left behind.
    seen = {};
    drive(click(QMessageBox::Ok), [] { ShowInfoBox(u("x")); return 0; }, seen);
    EXPECT_EQ(seen.cursor, nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

namespace {
struct SeenDialog
{
    QString title, text, caption1, caption2;
    bool fixedSize = false, wordWrap = false, hasPicture = false, pictureLeft = false;
    Qt::Alignment alignment;
    int width1 = 0, width2 = 0;
    QRect geometry;
};

SeenDialog look(QWidget *w)
{
    SeenDialog s;
    auto *d = qobject_cast<TwoButtonDialog *>(w);
    if (!d) {
        ADD_FAILURE() << "not the two-button dialog";
        return s;
    }
    s.title = d->windowTitle();
    s.text = d->textLabel()->text();
    s.caption1 = d->button1()->text();
    s.caption2 = d->button2()->text();
    s.fixedSize = d->minimumSize() == d->maximumSize() && d->size() == d->minimumSize();
    s.wordWrap = d->textLabel()->wordWrap();
    s.alignment = d->textLabel()->alignment();
    s.hasPicture = !d->pictureLabel()->pixmap().isNull();
    s.pictureLeft = d->pictureLabel()->geometry().right() < d->textLabel()->geometry().left();
    s.width1 = d->button1()->width();
    s.width2 = d->button2()->width();
    s.geometry = d->frameGeometry();
    return s;
}
} // namespace

TEST_F(QtMessagesTest, TwoButtonDialogAnswers)
{
    struct Case { const char *name; std::function<void(TwoButtonDialog *)> act; int result; };
    const Case cases[] = {
        {"first", [](TwoButtonDialog *d) { d->button1()->click(); }, 1},
        {"second", [](TwoButtonDialog *d) { d->button2()->click(); }, 2},
        {"escape", [](TwoButtonDialog *d) { pressEscape(d); }, 0},
        {"closed", [](TwoButtonDialog *d) { d->close(); }, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        sounds.clear();
        ModalDriver driver([&](QWidget *w) {
            if (auto *d = qobject_cast<TwoButtonDialog *>(w))
                c.act(d);
        });
        EXPECT_EQ(AskTwoButtons(u("Сохранить изменения?"), u("Сохранить"), u("Не сохранять")), c.result);
        EXPECT_TRUE(driver.ran());
        EXPECT_EQ(sounds, std::vector<Sound>{Sound::Question});
    }
}

TEST_F(QtMessagesTest, TwoButtonDialogLayout)
{
    const QString longText = u("Позиция изменена, но фурнитура ещё не подобрана. Подобрать "
                               "фурнитуру сейчас или сохранить позицию без неё и вернуться к "
                               "подбору позже?");
    SeenDialog seen;
    ModalDriver driver([&](QWidget *w) {
        seen = look(w);
        static_cast<QDialog *>(w)->reject();
    });
    AskTwoButtons(longText, u("Да"), u("Подобрать позже"));
    ASSERT_TRUE(driver.ran());
    EXPECT_EQ(seen.title, u("Диалог"));
    EXPECT_EQ(seen.text, longText);
    EXPECT_EQ(seen.caption1, u("Да"));
    EXPECT_EQ(seen.caption2, u("Подобрать позже"));
    EXPECT_TRUE(seen.fixedSize);
    EXPECT_TRUE(seen.wordWrap);
    EXPECT_EQ(seen.alignment, Qt::AlignCenter);
    EXPECT_TRUE(seen.hasPicture);
    EXPECT_TRUE(seen.pictureLeft);
    EXPECT_EQ(seen.width1, seen.width2); // equal despite captions of different length
    EXPECT_LT(seen.geometry.width(), 600); // long text wraps instead of widening the dialog

    ModalDriver titled([&](QWidget *w) {
        seen = look(w);
        static_cast<QDialog *>(w)->reject();
    });
    AskTwoButtons(u("?"), u("1"), u("2"), u("Сохранение"));
    EXPECT_EQ(seen.title, u("Сохранение"));
}

TEST_F(QtMessagesTest, TwoButtonDialogIsCentredOverTheOwner)
{
    QWidget owner;
    owner.setGeometry(130, 170, 900, 640);
    owner.show();
    sink.setOwnerProvider([&owner] { return &owner; });
    SeenDialog seen;
    QWidget *parent = nullptr;
    ModalDriver driver([&](QWidget *w) {
        seen = look(w);
        parent = w->parentWidget();
        static_cast<QDialog *>(w)->reject();
    });
    AskTwoButtons(u("Текст"), u("Да"), u("Нет"));
    ASSERT_TRUE(driver.ran());
    EXPECT_EQ(parent, &owner);
    const QPoint delta = seen.geometry.center() - owner.frameGeometry().center();
    EXPECT_LE(delta.manhattanLength(), 2) << delta.x() << "," << delta.y();
}
