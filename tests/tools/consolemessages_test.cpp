#include "tools/ConsoleMessages.h"

#include <gtest/gtest.h>

// The command-line tool answers every question with the answer chosen on its
// command line; a wrong default would silently convert or overwrite files.
TEST(ConsoleMessages, QuestionsTakeTheConfiguredAnswer)
{
    kv::ConsoleMessageSink sink(false);
    {
        kv::MessageSink *previous = kv::setMessageSink(&sink);
        EXPECT_FALSE(kv::AskOkCancel(QStringLiteral("Переписать?")));
        EXPECT_FALSE(kv::AskOkAbort(QStringLiteral("Продолжить?")));
        EXPECT_EQ(kv::AskTwoButtons(QStringLiteral("?"), QStringLiteral("Да"), QStringLiteral("Нет")), 0);
        sink.setAnswerYes(true);
        EXPECT_TRUE(kv::AskOkCancel(QStringLiteral("Переписать?")));
        EXPECT_TRUE(kv::AskOkAbort(QStringLiteral("Продолжить?")));
        EXPECT_EQ(kv::AskTwoButtons(QStringLiteral("?"), QStringLiteral("Да"), QStringLiteral("Нет")), 1);
        kv::setMessageSink(previous);
    }
    EXPECT_NE(&kv::messageSink(), &sink);
}
