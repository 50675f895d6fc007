#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace tenvex {

// The primary screen's geometry, its origin included, in device-independent pixels.
[[nodiscard]] QRect PrimaryScreenGeometry();

// The frame that the window manager will draw around a top-level window, known before the window
// is first shown: the window system is asked for it. This creates the native window, and from
// then on a position given to the window's move() is that of its client area.
[[nodiscard]] QMargins FrameMargins(QWidget &window);

} // namespace tenvex
