// SPDX-License-Identifier: MIT
#include "window_hook.h"

namespace tenvex {

namespace {

const WindowHook *HookOf(HWND window)
{
    return reinterpret_cast<const WindowHook *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK HookedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    const WindowHook *hook = HookOf(window);
    return hook->procedure(*hook, window, message, wParam, lParam);
}

} // namespace

bool InstallHook(HWND window, WindowHook &hook)
{
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&hook));
    hook.original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookedProcedure)));
    return hook.original != nullptr;
}

// A procedure put in front of ours since would still pass messages to it: the hook then stays.
void RemoveHook(HWND window, const WindowHook &hook)
{
    if (!IsWindow(window) || HookOf(window) != &hook
        || GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(HookedProcedure))
        return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook.original));
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

LRESULT CallOriginalProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(HookOf(window)->original, window, message, wParam, lParam);
}

} // namespace tenvex
