// SPDX-License-Identifier: MIT
#include "web_text.h"

namespace tenvex {

emscripten::val ToJs(std::u16string_view text)
{
    std::wstring wide;
    wide.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size()
            && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (pair) {
            wide.push_back(
                static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00)));
            ++i;
        } else {
            wide.push_back(static_cast<wchar_t>(unit));
        }
    }
    return emscripten::val(wide);
}

std::u16string FromJs(const emscripten::val &text)
{
    return FromJs(text.as<std::wstring>());
}

std::u16string FromJs(const std::wstring &wide)
{
    std::u16string units;
    units.reserve(wide.size());
    for (const wchar_t c : wide) {
        const auto point = static_cast<char32_t>(c);
        if (point < 0x10000) {
            units.push_back(static_cast<char16_t>(point));
        } else {
            units.push_back(static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF)));
        }
    }
    return units;
}

} // namespace tenvex
