#pragma once
// The busy cursor. One shared slot remembers the cursor that was active when
// the last BeginWait/BeginSQLWait ran; it is not a stack, so a second begin
// overwrites what the first remembered. The screen cursor itself is reached
// through a hook: the desktop program installs one over the application's
// override cursor, the command-line tool runs without (the cursor is then only
// kept in memory).
#include <Qt>

namespace kv {

class CursorHook
{
public:
    virtual ~CursorHook() = default;
    virtual Qt::CursorShape current() const = 0;
    // Qt::ArrowCursor is the default cursor: setting it ends any busy cursor.
    virtual void set(Qt::CursorShape shape) = 0;
};

// Installs hook (not owned); nullptr returns to the in-memory cursor. Returns the previous hook.
CursorHook *setCursorHook(CursorHook *hook);

// Hour glass; returns the cursor that was active (and is now remembered).
Qt::CursorShape BeginWait();
// The database-wait cursor; otherwise like BeginWait.
Qt::CursorShape BeginSQLWait();
// Back to the remembered cursor; the slot returns to the default cursor.
// Returns the cursor that was active before.
Qt::CursorShape EndWait();

// The cursor the shared slot holds now.
Qt::CursorShape rememberedCursor();

// BeginWait for the lifetime of the object, EndWait when it goes, also when an error passes.
class WaitCursor
{
public:
    explicit WaitCursor(bool sql = false) { sql ? BeginSQLWait() : BeginWait(); }
    ~WaitCursor() { EndWait(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace kv
