#include "core/ModeFlags.h"

namespace {

ModeFlags &current()
{
    static ModeFlags flags;
    return flags;
}

} // namespace

namespace Mode {

void set(const ModeFlags &flags)
{
    current() = flags;
}

const ModeFlags &flags()
{
    return current();
}

} // namespace Mode
