#include "windows/QtWaitCursor.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

using namespace kv;

namespace {

Qt::CursorShape shown()
{
    const QCursor *c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::ArrowCursor;
}

// Number of override cursors on Qt's stack (taken off and put back).
int depth()
{
    std::vector<Qt::CursorShape> shapes;
    while (const QCursor *c = QGuiApplication::overrideCursor()) {
        shapes.push_back(c->shape());
        QGuiApplication::restoreOverrideCursor();
    }
    for (auto it = shapes.rbegin(); it != shapes.rend(); ++it)
        QGuiApplication::setOverrideCursor(QCursor(*it));
    return int(shapes.size());
}

class QtWaitCursorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = setCursorHook(&hook);
        EndWait();
    }
    void TearDown() override
    {
        setCursorHook(previous);
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }
    QtCursorHook hook;
    CursorHook *previous = nullptr;
};

} // namespace

TEST_F(QtWaitCursorTest, OneOverrideCursorOfItsOwn)
{
    EXPECT_EQ(BeginWait(), Qt::ArrowCursor);
    EXPECT_EQ(shown(), Qt::WaitCursor);
    EXPECT_EQ(BeginSQLWait(), Qt::WaitCursor);
    EXPECT_EQ(shown(), Qt::BusyCursor);
    EXPECT_EQ(depth(), 1); // changed in place, not stacked
    EXPECT_EQ(EndWait(), Qt::BusyCursor);
    EXPECT_EQ(shown(), Qt::WaitCursor);
    EXPECT_EQ(EndWait(), Qt::WaitCursor);
    EXPECT_EQ(depth(), 0);
}

TEST_F(QtWaitCursorTest, ReturnsToAForeignCursorByTakingItsOwnAway)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    EXPECT_EQ(BeginWait(), Qt::CrossCursor);
    EXPECT_EQ(shown(), Qt::WaitCursor);
    EXPECT_EQ(depth(), 2);
    EndWait();
    EXPECT_EQ(shown(), Qt::CrossCursor);
    EXPECT_EQ(depth(), 1);
}

TEST_F(QtWaitCursorTest, HookGoingAwayTakesItsCursor)
{
    {
        QtCursorHook local;
        setCursorHook(&local);
        BeginWait();
        EXPECT_EQ(depth(), 1);
        setCursorHook(&hook);
    }
    EXPECT_EQ(depth(), 0);
}
