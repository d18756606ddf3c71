#include "modules/options/retranslatehook.h"

namespace {
std::function<void()> &hook()
{
    static std::function<void()> installed;
    return installed;
}
} // namespace

void setRetranslateAllHook(std::function<void()> function)
{
    hook() = std::move(function);
}

void requestRetranslateAll()
{
    if (hook())
        hook()();
}
