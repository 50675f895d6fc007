// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>
#include <optional>
#include <string>
#include <string_view>

namespace tenvex {

// The clipboard's text, if it has one.
[[nodiscard]] std::optional<std::u16string> ClipboardText(HWND owner);

// Puts a text on the clipboard, as Unicode text.
void CopyToClipboard(HWND owner, std::u16string_view text) noexcept;

} // namespace tenvex
