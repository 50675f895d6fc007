// SPDX-License-Identifier: MIT
#pragma once

#include "form_description.h"
#include "window_hook.h"

#include <windows.h>
#include <string>
#include <string_view>

namespace tenvex {

class Form;

// The output box: a read-only edit control, which the user can select and copy from but not type
// into, and which is not in the tab order. Its caption is the whole result; it shows the longest
// form that fits, with the whole caption in a tooltip when that is not all of it, and every way
// of copying from it (Ctrl+C, its context menu's Copy) takes the whole caption. Screen readers
// read it by its accessible name with the whole caption as its value, and hear of every new one.
//
// Its window procedure runs code of ours outside any handler: whatever would end one is reported
// through `form` as a handler's error is.
class OutputBox
{
public:
    OutputBox(Form &form, const ControlDescription &control);
    OutputBox(const OutputBox &) = delete;
    OutputBox &operator=(const OutputBox &) = delete;
    ~OutputBox();

    // Makes the box as the child `id` of `parent`, in its place; false when Windows cannot.
    [[nodiscard]] bool create(HWND parent, int id, const RECT &place);

    [[nodiscard]] HWND handle() const { return m_handle; }
    [[nodiscard]] const std::u16string &caption() const { return m_caption; }
    void setCaption(std::u16string_view caption);

    // Shows the caption again for the box as it now is, after a change of its size or font.
    void refit();

private:
    static LRESULT procedure(const WindowHook &hook, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam) noexcept;
    [[nodiscard]] LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void showContextMenu(LPARAM where);
    void showTooltip(const std::wstring &text);

    Form &m_form;
    const ControlDescription &m_control;
    HWND m_handle = nullptr;
    WindowHook m_hook;
    HWND m_tooltip = nullptr; // made with the first shortened caption: a window less at start-up
    std::u16string m_caption;
};

} // namespace tenvex
