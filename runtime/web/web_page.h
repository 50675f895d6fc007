// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace tenvex {

// Calls into the page's side of the window (controls.js). Arguments are texts, which cross as
// UTF-16, the page's own unit, with nothing lost or replaced; and numbers, truth values among
// them. Each element is named by its control's place in the description, the panel by
// `PagePanel`.
inline constexpr int PagePanel = -1;

void PassToPage(std::u16string_view text);
void PassToPage(double number);
[[nodiscard]] double CallPassed(std::u16string_view function);
[[nodiscard]] std::u16string CallPassedForText(std::u16string_view function);

// Calls `function` of the page with `arguments`; returns its number (0 where it returns none).
template<typename... Arguments>
double CallPage(std::u16string_view function, const Arguments &...arguments)
{
    (PassToPage(arguments), ...);
    return CallPassed(function);
}

// Calls `function` of the page with `arguments`; returns its text.
template<typename... Arguments>
std::u16string CallPageForText(std::u16string_view function, const Arguments &...arguments)
{
    (PassToPage(arguments), ...);
    return CallPassedForText(function);
}

// The text the page has just reported to the program, `length` units long: a paste or a drop.
[[nodiscard]] std::u16string ReportedText(std::size_t length);

} // namespace tenvex
