#include "windows/WindowHooks.h"

namespace kv {

WindowHooks &windowHooks()
{
    static WindowHooks hooks;
    return hooks;
}

} // namespace kv
