// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace tenvex {

// The primary screen's geometry, its origin included, in device-independent pixels.
[[nodiscard]] QRect PrimaryScreenGeometry();

// The frame the window manager is going to draw around a top-level window, known before the
// window is first shown. It is asked for as soon as the native window exists, so that the window
// manager answers while the rest of the window is being built.
class FrameRequest
{
public:
    // Creates the window's native window, still unmapped, and asks for its frame.
    explicit FrameRequest(QWidget &window);

    // The frame in device-independent pixels: the window manager's answer, waited for if it has
    // not come yet (a quarter of a second at the most); where there is no window manager to ask,
    // the frame the toolkit knows of.
    [[nodiscard]] QMargins margins() const;

private:
    QWidget &m_window;
    // The name of the window manager's answer, a property of the window; 0 where it was not
    // asked.
    unsigned m_answer = 0;
};

} // namespace tenvex
