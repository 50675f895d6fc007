// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace tenvex {

// A procedure of ours put in front of a control's own window procedure, as SetWindowSubclass
// puts one, but found through the control's user data (which the standard controls leave to
// their owner) rather than its property list: a property is looked up for every message, and
// where the window system keeps properties in another process, as some implementations of the
// API do, that look-up is a round trip to it. The hook must outlive its window, or be removed
// first.
struct WindowHook
{
    using Procedure = LRESULT (*)(const WindowHook &hook, HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) noexcept;

    Procedure procedure = nullptr;
    void *owner = nullptr;
    UINT_PTR id = 0; // the owner's own name for the window
    WNDPROC original = nullptr;
};

// Puts `hook` in front of the window's procedure; false when Windows cannot.
[[nodiscard]] bool InstallHook(HWND window, WindowHook &hook);

// Gives the window its own procedure back, where the hook is still the first in front of it.
void RemoveHook(HWND window, const WindowHook &hook);

// The window's own procedure, for a message the hook passes on or changes.
LRESULT CallOriginalProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace tenvex
