// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>
#include <string>
#include <string_view>

namespace tenvex {

// Texts between the program (UTF-16) and the page's strings, which the bindings pass as UTF-32.
[[nodiscard]] emscripten::val ToJs(std::u16string_view text);
[[nodiscard]] std::u16string FromJs(const emscripten::val &text);
// A text as the bindings pass it to a function of ours (UTF-32), in UTF-16.
[[nodiscard]] std::u16string FromJs(const std::wstring &text);

} // namespace tenvex
