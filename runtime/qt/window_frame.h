// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace tenvex {

// The primary screen's geometry, its origin included, in device-independent pixels.
[[nodiscard]] QRect PrimaryScreenGeometry();

// The frame the window manager is going to draw around a top-level window, known before the
// window is first shown: the window system is asked for it (this creates the native window).
[[nodiscard]] QMargins FrameMargins(const QWidget &window);

} // namespace tenvex
