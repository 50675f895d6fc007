// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>
#include <string>
#include <string_view>

namespace tenvex {

// The output box: a read-only edit control, which the user can select and copy from but not type
// into, and which is not in the tab order. Its caption is the whole result; it shows the longest
// form that fits, with the whole caption in a tooltip when that is not all of it, and every way
// of copying from it (Ctrl+C, the context menu) takes the whole caption.
class OutputBox
{
public:
    OutputBox() = default;
    OutputBox(const OutputBox &) = delete;
    OutputBox &operator=(const OutputBox &) = delete;
    ~OutputBox();

    // Makes the box as the child `id` of `parent`; false when Windows cannot.
    [[nodiscard]] bool create(HWND parent, int id);

    [[nodiscard]] HWND handle() const { return m_handle; }
    [[nodiscard]] const std::u16string &caption() const { return m_caption; }
    void setCaption(std::u16string_view caption);

    // Shows the caption again for the box as it now is, after a change of its size or font.
    void refit();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self);
    void showTooltip(const std::wstring &text);

    HWND m_handle = nullptr;
    HWND m_tooltip = nullptr; // made with the first shortened caption: a window less at start-up
    std::u16string m_caption;
};

} // namespace tenvex
