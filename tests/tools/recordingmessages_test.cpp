#include "tools/RecordingMessages.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;
using Kind = RecordingMessageSink::Kind;

namespace {
QString u(const char *s) { return QString::fromUtf8(s); }
}

TEST(RecordingMessages, RecordsEveryBoxInOrderThroughTheFreeFunctions)
{
    RecordingMessages rec;
    ShowErrorBox(u("Ошибка!"));
    ShowErrorDetail(u("Ошибка сохранения"), u("диск полон"));
    ShowWarningBox(u("Внимание"));
    ShowInfoBox(u("Готово"));
    AskOkCancel(u("Удалить запись?"));
    AskOkAbort(u("Продолжить?"));
    AskTwoButtons(u("Сохранить?"), u("Да"), u("Нет"));

    ASSERT_EQ(rec.calls().size(), 7);
    const Kind kinds[] = {Kind::Error, Kind::Error, Kind::Warning, Kind::Info,
                          Kind::OkCancel, Kind::OkAbort, Kind::TwoButtons};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rec.calls().at(i).kind, kinds[i]) << i;
    EXPECT_EQ(rec.calls().at(1).text, u("Ошибка сохранения\r\n[диск полон]"));
    const auto &two = rec.calls().at(6);
    EXPECT_EQ(two.caption1, u("Да"));
    EXPECT_EQ(two.caption2, u("Нет"));
    EXPECT_EQ(two.title, u("Диалог"));
    EXPECT_EQ(rec.texts(Kind::Error), QStringList({u("Ошибка!"), u("Ошибка сохранения\r\n[диск полон]")}));
    EXPECT_EQ(rec.count(Kind::OkCancel), 1);
}

TEST(RecordingMessages, ScriptedAnswersThenDefaults)
{
    RecordingMessages rec;
    rec.queueAnswer(true);
    rec.queueAnswer(false);
    rec.queueButton(2);
    EXPECT_EQ(rec.pendingAnswers(), 3);
    EXPECT_TRUE(AskOkCancel(u("1")));
    EXPECT_EQ(AskTwoButtons(u("2"), u("a"), u("b")), 2); // its own queue
    EXPECT_FALSE(AskOkAbort(u("3")));
    EXPECT_EQ(rec.pendingAnswers(), 0);
    // Queues empty: the defaults (Cancel, closed) until changed.
    EXPECT_FALSE(AskOkCancel(u("4")));
    EXPECT_EQ(AskTwoButtons(u("5"), u("a"), u("b")), 0);
    rec.setDefaultAnswer(true);
    rec.setDefaultButton(1);
    EXPECT_TRUE(AskOkAbort(u("6")));
    EXPECT_EQ(AskTwoButtons(u("7"), u("a"), u("b")), 1);
    const int answers[] = {1, 2, 0, 0, 0, 1, 1};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rec.calls().at(i).answer, answers[i]) << i;
}

TEST(RecordingMessages, InstallersNestAndRestoreThePreviousSink)
{
    MessageSink *const outside = &messageSink();
    {
        RecordingMessages outer;
        ShowInfoBox(u("a"));
        {
            RecordingMessageSink inner;
            ScopedMessageSink installed(inner);
            ShowInfoBox(u("b"));
            EXPECT_EQ(inner.texts(), QStringList{u("b")});
        }
        ShowInfoBox(u("c"));
        EXPECT_EQ(outer.texts(), QStringList({u("a"), u("c")}));
    }
    EXPECT_EQ(&messageSink(), outside);
}
