// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>
#include <string>
#include <string_view>

namespace tenvex {

// Control texts are UTF-16, as Windows' wide strings are; the copy adds the terminating zero.
inline std::wstring Wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

inline std::u16string WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return {text.begin(), text.end()};
}

} // namespace tenvex
