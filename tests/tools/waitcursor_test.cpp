#include "tools/WaitCursor.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace kv;

namespace {

class FakeCursor : public CursorHook
{
public:
    Qt::CursorShape current() const override { return shape; }
    void set(Qt::CursorShape s) override
    {
        shape = s;
        sets.push_back(s);
    }
    Qt::CursorShape shape = Qt::ArrowCursor;
    std::vector<Qt::CursorShape> sets;
};

class WaitCursorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = setCursorHook(&screen);
        EndWait(); // empty the shared slot left by other tests
        screen.shape = Qt::ArrowCursor;
        screen.sets.clear();
    }
    void TearDown() override { setCursorHook(previous); }

    FakeCursor screen;
    CursorHook *previous = nullptr;
};

} // namespace

TEST_F(WaitCursorTest, BeginAndEndRestoreTheRememberedCursor)
{
    screen.shape = Qt::CrossCursor;
    EXPECT_EQ(BeginWait(), Qt::CrossCursor);
    EXPECT_EQ(screen.shape, Qt::WaitCursor);
    EXPECT_EQ(rememberedCursor(), Qt::CrossCursor);
    EXPECT_EQ(EndWait(), Qt::WaitCursor);
    EXPECT_EQ(screen.shape, Qt::CrossCursor);
    EXPECT_EQ(rememberedCursor(), Qt::ArrowCursor);

    EXPECT_EQ(BeginSQLWait(), Qt::CrossCursor);
    EXPECT_EQ(screen.shape, Qt::BusyCursor);
    EXPECT_EQ(EndWait(), Qt::BusyCursor);
    EXPECT_EQ(screen.shape, Qt::CrossCursor);
}

TEST_F(WaitCursorTest, SecondBeginOverwritesTheSlot)
{
    BeginWait();
    EXPECT_EQ(BeginSQLWait(), Qt::WaitCursor);
    EXPECT_EQ(rememberedCursor(), Qt::WaitCursor); // the arrow is forgotten
    EXPECT_EQ(EndWait(), Qt::BusyCursor);
    EXPECT_EQ(screen.shape, Qt::WaitCursor);
    // The slot is back at the default, so the next end returns to the arrow.
    EXPECT_EQ(EndWait(), Qt::WaitCursor);
    EXPECT_EQ(screen.shape, Qt::ArrowCursor);

    // Not a stack: the cross remembered by the first begin is lost to the
    // second, so one end leaves the hour glass up and the next goes to the arrow.
    screen.shape = Qt::CrossCursor;
    BeginWait();
    BeginWait();
    EndWait();
    EXPECT_EQ(screen.shape, Qt::WaitCursor);
    EndWait();
    EXPECT_EQ(screen.shape, Qt::ArrowCursor);
}

TEST_F(WaitCursorTest, EndWithoutBeginSetsTheDefault)
{
    screen.shape = Qt::IBeamCursor;
    EXPECT_EQ(EndWait(), Qt::IBeamCursor);
    EXPECT_EQ(screen.shape, Qt::ArrowCursor);
}

TEST_F(WaitCursorTest, GuardEndsTheWaitWhenAnErrorPasses)
{
    try {
        WaitCursor wait(true);
        EXPECT_EQ(screen.shape, Qt::BusyCursor);
        throw std::runtime_error("x");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(screen.shape, Qt::ArrowCursor);
    {
        WaitCursor outer;
        {
            WaitCursor inner(true);
            EXPECT_EQ(screen.shape, Qt::BusyCursor);
        }
        EXPECT_EQ(screen.shape, Qt::WaitCursor);
    }
    EXPECT_EQ(screen.shape, Qt::ArrowCursor);
}

TEST(WaitCursorWithoutHook, KeepsTheCursorInMemory)
{
    CursorHook *previous = setCursorHook(nullptr);
    EndWait();
    EXPECT_EQ(BeginWait(), Qt::ArrowCursor);
    EXPECT_EQ(BeginSQLWait(), Qt::WaitCursor);
    EXPECT_EQ(EndWait(), Qt::BusyCursor);
    EXPECT_EQ(EndWait(), Qt::WaitCursor);
    EXPECT_EQ(BeginWait(), Qt::ArrowCursor);
    EndWait();
    setCursorHook(previous);
}
