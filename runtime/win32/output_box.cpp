// SPDX-License-Identifier: MIT
#include "output_box.h"

#include "accessible_control.h"
#include "form.h"
#include "form_layout.h"
#include "win32_clipboard.h"
#include "win32_text.h"

#include <algorithm>
#include <commctrl.h>

namespace tenvex {

namespace {

constexpr UINT_PTR CopyCommand = 1;

// A window's device context with a font selected into it, released however its user leaves.
class FontContext
{
public:
    FontContext(HWND window, HFONT font)
        : m_window(window)
        , m_context(GetDC(window))
        , m_previous(SelectObject(m_context, font))
    {}
    FontContext(const FontContext &) = delete;
    FontContext &operator=(const FontContext &) = delete;
    ~FontContext()
    {
        SelectObject(m_context, m_previous);
        ReleaseDC(m_window, m_context);
    }

    [[nodiscard]] int width(std::u16string_view text) const
    {
        const std::wstring wide = Wide(text);
        SIZE extent{};
        GetTextExtentPoint32W(m_context, wide.c_str(), static_cast<int>(wide.size()), &extent);
        return extent.cx;
    }

private:
    HWND m_window;
    HDC m_context;
    HGDIOBJ m_previous;
};

} // namespace

OutputBox::OutputBox(Form &form, const ControlDescription &control)
    : m_form(form)
    , m_control(control)
{}

OutputBox::~OutputBox()
{
    if (m_handle)
        RemoveHook(m_handle, m_hook);
}

bool OutputBox::create(HWND parent, int id, const RECT &place)
{
    m_handle = CreateWindowExW(
        0, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER,
        place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    m_hook = {.procedure = procedure, .owner = this};
    return m_handle && InstallHook(m_handle, m_hook);
}

void OutputBox::setCaption(std::u16string_view caption)
{
    m_caption = caption;
    refit();
    // Screen readers hear of the new result wherever the focus is.
    if (AccessibleOutputOf(m_control, m_caption).announced)
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_handle, OBJID_CLIENT, CHILDID_SELF);
}

void OutputBox::refit()
{
    RECT room{};
    SendMessageW(m_handle, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    const FontContext context(m_handle,
                              reinterpret_cast<HFONT>(SendMessageW(m_handle, WM_GETFONT, 0, 0)));
    const ResultView view = ResultViewOf(m_caption, [&](std::u16string_view candidate) {
        return context.width(candidate) <= room.right - room.left;
    });
    SetWindowTextW(m_handle, Wide(view.shown).c_str());
    showTooltip(Wide(view.tooltip));
}

void OutputBox::showTooltip(const std::wstring &text)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(m_handle);
    tool.uId = reinterpret_cast<UINT_PTR>(m_handle);
    tool.lpszText = const_cast<wchar_t *>(text.c_str());
    if (m_tooltip) {
        SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    if (text.empty())
        return;
    m_tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, tool.hwnd,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_tooltip)
        SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Copy in the context menu, whenever there is a result: the edit control's own greys it out
// until part of the shortened form is selected, and would copy only that part.
void OutputBox::showContextMenu(LPARAM where)
{
    POINT point{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (where == -1) { // from the keyboard: at the box
        RECT box{};
        GetWindowRect(m_handle, &box);
        point = {box.left, box.bottom};
    }
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    AppendMenuW(menu, MF_STRING | (m_caption.empty() ? MF_GRAYED : MF_ENABLED), CopyCommand,
                L"&Copy\tCtrl+C");
    const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0,
                                       m_handle, nullptr);
    DestroyMenu(menu);
    if (chosen == CopyCommand)
        CopyToClipboard(m_handle, m_caption);
}

LRESULT OutputBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COPY:
        // The whole caption, however the user asks and whatever part of it is selected.
        if (!m_caption.empty())
            CopyToClipboard(m_handle, m_caption);
        return 0;
    case WM_CONTEXTMENU:
        showContextMenu(lParam);
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT object
            = AccessibleObjectOf(m_handle, wParam, lParam,
                                 AccessibleOutputOf(m_control, m_caption).name, &m_caption))
            return object;
        break;
    default:
        break;
    }
    return CallOriginalProcedure(m_handle, message, wParam, lParam);
}

LRESULT OutputBox::procedure(const WindowHook &hook, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam) noexcept
{
    auto &box = *static_cast<OutputBox *>(hook.owner);
    LRESULT result = 0;
    bool handled = false;
    RunGuarded(box.m_form, [&] {
        result = box.handleMessage(message, wParam, lParam);
        handled = true;
    });
    return handled ? result : CallOriginalProcedure(window, message, wParam, lParam);
}

} // namespace tenvex
