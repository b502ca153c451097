#pragma once
// The busy cursor of the desktop program: one application override cursor of
// its own, pushed when a busy cursor starts, changed in place while it is up,
// and taken away when the cursor it covered is wanted again.
#include "tools/WaitCursor.h"

namespace kv {

class QtCursorHook : public CursorHook
{
public:
    ~QtCursorHook() override;
    Qt::CursorShape current() const override;
    void set(Qt::CursorShape shape) override;

private:
    bool m_pushed = false;
    Qt::CursorShape m_below = Qt::ArrowCursor;
};

} // namespace kv
