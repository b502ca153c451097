#include "WaitCursor.h"

namespace kv {
namespace {

class MemoryCursorHook : public CursorHook
{
public:
    Qt::CursorShape current() const override { return m_shape; }
    void set(Qt::CursorShape shape) override { m_shape = shape; }

private:
    Qt::CursorShape m_shape = Qt::ArrowCursor;
};

MemoryCursorHook g_memoryHook;
CursorHook *g_hook = nullptr;
Qt::CursorShape g_slot = Qt::ArrowCursor;

CursorHook &hook() { return g_hook ? *g_hook : g_memoryHook; }

Qt::CursorShape begin(Qt::CursorShape busy)
{
    g_slot = hook().current();
    hook().set(busy);
    return g_slot;
}

} // namespace

CursorHook *setCursorHook(CursorHook *newHook)
{
    CursorHook *previous = g_hook;
    g_hook = newHook;
    return previous;
}

Qt::CursorShape BeginWait() { return begin(Qt::WaitCursor); }
Qt::CursorShape BeginSQLWait() { return begin(Qt::BusyCursor); }

Qt::CursorShape EndWait()
{
    const Qt::CursorShape active = hook().current();
    hook().set(g_slot);
    g_slot = Qt::ArrowCursor;
    return active;
}

Qt::CursorShape rememberedCursor() { return g_slot; }

} // namespace kv
