#pragma once

#include <QImage>

namespace tenvex {

// The program's icon at `size` pixels square (at least 32), drawn from its one design on a
// 32-unit grid: a yellow square with a darker olive edge along its top and left sides, a blue
// arrow pointing down in the left half and a blue arrow pointing up in the right half. Every
// pixel is opaque. At 32 pixels the units are pixels and the edges are crisp.
[[nodiscard]] QImage DrawIcon(int size);

} // namespace tenvex
