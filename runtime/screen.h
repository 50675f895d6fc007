#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace tenvex {

// The primary screen's geometry, its origin included, in device-independent pixels.
[[nodiscard]] QRect PrimaryScreenGeometry();

// A top-level window's outer frame, as the window manager is going to draw it, known before the
// window is first shown: the window system is asked for it (this creates the native window).
class WindowFrame
{
public:
    explicit WindowFrame(QWidget &window);

    [[nodiscard]] QSize outerSize() const;

    // Places the window so that the top-left corner of its outer frame is at `corner`.
    void moveTo(QPoint corner);

private:
    QWidget &m_window;
    QMargins m_margins;
};

} // namespace tenvex
