// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

#include <array>
#include <span>

namespace tenvex {

// The program's icon at `size` pixels square, drawn from its one design on a
// 32-unit grid: a yellow square with a darker olive edge along its top and left sides, a blue
// arrow pointing down in the left half and a blue arrow pointing up in the right half. Every
// pixel is opaque. At 32 pixels the units are pixels and the edges are crisp; other sizes are
// drawn smoothly from the same shapes.
[[nodiscard]] QImage DrawIcon(int size);

// The sizes the icon is drawn at, for the window and the desktop's icon theme, so that no task
// switcher or panel scales up a small picture.
inline constexpr std::array IconSizes{TENVEX_ICON_SIZES};

// The program's icon at each of `sizes`.
[[nodiscard]] QIcon ProgramIcon(std::span<const int> sizes);

} // namespace tenvex
