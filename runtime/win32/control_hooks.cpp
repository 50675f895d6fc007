// SPDX-License-Identifier: MIT
// What the controls do of our own, in front of their own procedures.
#include "accessible_control.h"
#include "form_layout.h"
#include "win32_clipboard.h"
#include "win32_form.h"
#include "win32_text.h"

namespace tenvex {

LRESULT Win32Form::controlProcedure(const WindowHook &hook, HWND window, UINT message,
                                    WPARAM wParam, LPARAM lParam) noexcept
{
    auto &form = *static_cast<Win32Form *>(hook.owner);
    LRESULT result = 0;
    bool handled = false;
    RunGuarded(form, [&] {
        handled = form.handleControlMessage(hook.id, window, message, wParam, lParam, result);
    });
    return handled ? result : CallOriginalProcedure(window, message, wParam, lParam);
}

// What the controls do of our own: screen readers read each by its accessible name; the push
// button is never the default button, which the dialog manager would make of it once it has the
// focus, so that Enter presses it; a combo box's list closes with Alt+Up or Alt+Down without
// moving; a single-line box keeps every line pasted into it; a frame draws its caption in its
// own colours.
bool Win32Form::handleControlMessage(std::size_t place, HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam, LRESULT &result)
{
    const ControlDescription &control = m_description.controls[place];
    switch (message) {
    case WM_GETOBJECT:
        if (control.accessibleName.empty())
            return false;
        result = AccessibleObjectOf(window, wParam, lParam, control.accessibleName);
        return result != 0;
    case WM_GETDLGCODE:
        if (control.kind != ControlKind::CommandButton)
            return false;
        result = DLGC_BUTTON;
        return true;
    case BM_SETSTYLE:
        if (control.kind != ControlKind::CommandButton)
            return false;
        result = CallOriginalProcedure(window, message, wParam & ~WPARAM{BS_DEFPUSHBUTTON}, lParam);
        return true;
    case WM_PAINT:
        if (control.kind != ControlKind::Frame)
            return false;
        paintFrame(window, control);
        result = 0;
        return true;
    case WM_SYSKEYDOWN:
        // Alt+Up and Alt+Down close an open list and do nothing else; the list would otherwise
        // take the arrow for a move to another entry, as if the user had picked it.
        if (control.kind != ControlKind::ComboBox || (wParam != VK_UP && wParam != VK_DOWN))
            return false;
        if (SendMessageW(m_controls[place].handle, CB_GETDROPPEDSTATE, 0, 0) == 0)
            return false;
        SendMessageW(m_controls[place].handle, CB_SHOWDROPDOWN, FALSE, 0);
        result = 0;
        return true;
    case WM_PASTE:
        if (control.kind != ControlKind::TextBox && control.kind != ControlKind::ComboBox)
            return false;
        // Refused or pasted, the paste is ours: the box's own would take part of a long text.
        RunGuarded(*this, [&] { pasteOneLine(window, control); });
        result = 0;
        return true;
    default:
        return false;
    }
}

// The clipboard's text in place of the field's selection, every line kept; refused whole where it
// would make a text box's text longer than it may be.
void Win32Form::pasteOneLine(HWND field, const ControlDescription &control)
{
    const std::optional<std::u16string> pasted = ClipboardText(field);
    if (!pasted)
        return;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const auto kept = static_cast<std::size_t>(GetWindowTextLengthW(field)) - (end - start);
    // A combo box's text has no limit of ours.
    const std::wstring line = Wide(control.kind == ControlKind::TextBox
                                       ? InsertedLine(DisplayName(control), *pasted, kept)
                                       : OneLine(*pasted));
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
}

} // namespace tenvex
