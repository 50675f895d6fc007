// SPDX-License-Identifier: MIT
// The window's layout at its DPI: sizes, places and fonts from the description's twips, made again
// when the window moves to a screen of another density.
#include "form_layout.h"
#include "win32_form.h"
#include "win32_text.h"

#include <utility>

namespace tenvex {

int Win32Form::pixels(double twips) const
{
    return Pixels(twips, static_cast<int>(m_dpi));
}

float Win32Form::twips(int pixels) const
{
    return Twips(pixels, static_cast<int>(m_dpi));
}

int Win32Form::fontHeight(double points) const
{
    return -MulDiv(static_cast<int>(points * 100.0), static_cast<int>(m_dpi), 7200);
}

// The window's outer size for its client area at a DPI.
SIZE Win32Form::framedSize(UINT dpi) const
{
    RECT outer{0, 0, Pixels(m_description.clientWidth, static_cast<int>(dpi)),
               Pixels(m_description.clientHeight, static_cast<int>(dpi))};
    AdjustWindowRectExForDpi(&outer, WindowStyle, FALSE, 0, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// Where a control goes in the window's client area: every control is the window's child, so
// one inside a frame is placed relative to the frame.
TwipsRect Win32Form::placeInWindow(std::size_t place) const
{
    const ControlDescription &control = m_description.controls[place];
    TwipsRect rect = control.geometry;
    if (control.parent != m_description.name) {
        const TwipsRect &frame
            = m_description.controls[ControlIndex(m_description, control.parent)].geometry;
        rect.left += frame.left;
        rect.top += frame.top;
    }
    return rect;
}

// One font of the window's face for each size its controls use, at the window's DPI; none when
// one of them cannot be made.
std::optional<std::map<int, FontHandle>> Win32Form::makeFonts() const
{
    std::map<int, FontHandle> fonts;
    for (const ControlDescription &control : m_description.controls) {
        const int height = fontHeight(control.fontSize);
        if (fonts.contains(height))
            continue;
        FontHandle font(CreateFontW(height, 0, 0, 0, m_description.bold ? FW_BOLD : FW_NORMAL,
                                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                                    Wide(m_description.fontFace).c_str()));
        if (!font)
            return std::nullopt;
        fonts.emplace(height, std::move(font));
    }
    return fonts;
}

// Where a control goes, in pixels at the window's DPI. A combo box's window reaches down over
// its list; its field keeps the height given.
RECT Win32Form::pixelPlace(std::size_t place) const
{
    const TwipsRect rect = placeInWindow(place);
    const int height = pixels(rect.height);
    const ControlDescription &control = m_description.controls[place];
    const int windowHeight
        = control.kind == ControlKind::ComboBox ? height * (ListRows(control) + 1) : height;
    const int left = pixels(rect.left);
    const int top = pixels(rect.top);
    return {left, top, left + pixels(rect.width), top + windowHeight};
}

// A control's font of the window's fonts; and a combo box's field the height given, which is its
// text's and a border of three pixels above and below.
void Win32Form::setFont(std::size_t place)
{
    const ControlDescription &control = m_description.controls[place];
    const HWND handle = m_controls[place].handle;
    SendMessageW(handle, WM_SETFONT,
                 reinterpret_cast<WPARAM>(m_fonts.at(fontHeight(control.fontSize)).get()), FALSE);
    if (control.kind == ControlKind::ComboBox) {
        constexpr int FieldBorders = 6;
        SendMessageW(handle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                     pixels(control.geometry.height) - FieldBorders);
    }
}

// Places every control again at the window's DPI, with fonts of that DPI. False, with every
// control as it was, when a font cannot be made.
bool Win32Form::layOut()
{
    std::optional<std::map<int, FontHandle>> fonts = makeFonts();
    if (!fonts)
        return false;
    const std::map<int, FontHandle> previous = std::exchange(m_fonts, std::move(*fonts));
    for (std::size_t place = 0; place < m_controls.size(); ++place) {
        const RECT rect = pixelPlace(place);
        MoveWindow(m_controls[place].handle, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, FALSE);
        setFont(place);
        if (m_controls[place].output)
            m_controls[place].output->refit();
    }
    InvalidateRect(m_window, nullptr, TRUE);
    return true; // the previous fonts go now that no control uses them
}

// The window keeps its client size in twips: the rectangle Windows suggests is just that.
void Win32Form::onDpiChanged(UINT dpi, const RECT &suggested)
{
    m_dpi = dpi;
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where no font of the new size can be made, the controls keep the fonts they have.
    (void)layOut();
}

} // namespace tenvex
