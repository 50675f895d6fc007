// SPDX-License-Identifier: MIT
// The description's colours on the controls that take them, frames' captions included.
#include "form_layout.h"
#include "win32_form.h"
#include "win32_text.h"

#include <algorithm>
#include <uxtheme.h>
#include <vssym32.h>

namespace tenvex {

namespace {

int SystemColourIndex(SystemColour colour)
{
    return static_cast<int>(static_cast<std::uint32_t>(colour) & 0xFF);
}

COLORREF ColourOf(SystemColour colour)
{
    return GetSysColor(SystemColourIndex(colour));
}

// A frame drawn in the colours its description gives: the system's group box takes its line from
// the visual style where there is one, but draws its caption in the window text's colour whatever
// its parent asks.
void PaintFrame(HWND frame, COLORREF text, COLORREF background)
{
    PAINTSTRUCT paint{};
    HDC context = BeginPaint(frame, &paint);
    const HGDIOBJ previousFont
        = SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(frame, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    RECT area{};
    GetClientRect(frame, &area);
    // The line runs through the caption a little above its middle, where the system draws it.
    RECT line{area.left, area.top + metrics.tmHeight / 2 - 1, area.right, area.bottom};
    if (HTHEME theme = OpenThemeData(frame, L"BUTTON")) {
        DrawThemeBackground(theme, context, BP_GROUPBOX, GBS_NORMAL, &line, nullptr);
        CloseThemeData(theme);
    } else {
        DrawEdge(context, &line, EDGE_ETCHED, BF_RECT);
    }
    const std::u16string caption = WindowText(frame);
    if (!caption.empty()) {
        const std::wstring wide = Wide(caption);
        SIZE size{};
        GetTextExtentPoint32W(context, wide.c_str(), static_cast<int>(wide.size()), &size);
        // Where the system puts it: eight pixels in at 96 dots per inch, the line broken a pixel
        // before and after it.
        const auto dpi = static_cast<int>(GetDpiForWindow(frame));
        const int indent = MulDiv(8, dpi, USER_DEFAULT_SCREEN_DPI);
        const int margin = MulDiv(1, dpi, USER_DEFAULT_SCREEN_DPI);
        const RECT box{area.left + indent - margin, area.top, area.left + indent + size.cx + margin,
                       area.top + metrics.tmHeight};
        SetTextColor(context, text);
        SetBkColor(context, background);
        ExtTextOutW(context, area.left + indent, box.top, ETO_OPAQUE, &box, wide.c_str(),
                    static_cast<UINT>(wide.size()), nullptr);
    }
    SelectObject(context, previousFont);
    EndPaint(frame, &paint);
}

} // namespace

// Labels, frames and the output box in the colours their description gives: the title and the
// frames' captions in the button text's colour, the output box in the window's.
LRESULT Win32Form::onCtlColorStatic(HDC context, HWND control)
{
    const auto found = std::ranges::find(m_controls, control, &Control::handle);
    if (found == m_controls.end())
        return 0;
    const ControlDescription &description
        = m_description.controls[static_cast<std::size_t>(found - m_controls.begin())];
    if (!TakesColours(description))
        return 0;
    SetTextColor(context, GetSysColor(SystemColourIndex(description.foreground)));
    SetBkColor(context, GetSysColor(SystemColourIndex(description.background)));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(SystemColourIndex(description.background)));
}

void Win32Form::paintFrame(HWND frame, const ControlDescription &control) const
{
    PaintFrame(frame, ColourOf(control.foreground), ColourOf(control.background));
}

} // namespace tenvex
