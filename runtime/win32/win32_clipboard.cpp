// SPDX-License-Identifier: MIT
#include "win32_clipboard.h"

#include <algorithm>

namespace tenvex {

std::optional<std::u16string> ClipboardText(HWND owner)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner))
        return std::nullopt;
    std::optional<std::u16string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *units = static_cast<const char16_t *>(GlobalLock(data))) {
            text = units;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void CopyToClipboard(HWND owner, std::u16string_view text) noexcept
{
    if (!OpenClipboard(owner))
        return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (auto *target = static_cast<wchar_t *>(GlobalLock(memory))) {
            std::copy(text.begin(), text.end(), target);
            target[text.size()] = L'\0';
            GlobalUnlock(memory);
            if (SetClipboardData(CF_UNICODETEXT, memory))
                memory = nullptr; // the clipboard owns it now
        }
        if (memory)
            GlobalFree(memory);
    }
    CloseClipboard();
}

} // namespace tenvex
