// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>
#include <string>
#include <string_view>

namespace tenvex {

// The answer to a WM_GETOBJECT a control receives, for screen readers: for its client area, the
// control's standard accessible object with the name `name` and, where `value` is given, that
// value, such as an output box's whole caption; for anything else, 0, the system's own answer.
// Screen readers otherwise name a control after a label near it (the window's title) or its text
// (a prefix box's "Unit").
[[nodiscard]] LRESULT AccessibleObjectOf(HWND control, WPARAM flags, LPARAM objectId,
                                         std::u16string_view name,
                                         const std::u16string *value = nullptr) noexcept;

} // namespace tenvex
