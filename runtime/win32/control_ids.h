// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace tenvex {

// A control's number among the window's children: FirstControlId plus its place in the window
// description. Tools that drive the window find its controls by these numbers.
inline constexpr int FirstControlId = 100;

[[nodiscard]] constexpr int ControlId(std::size_t place)
{
    return FirstControlId + static_cast<int>(place);
}

} // namespace tenvex
