// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

#include <windows.h>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace tenvex {

// Releases a font when its owner goes.
struct FontDeleter
{
    void operator()(HFONT font) const { DeleteObject(font); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// A window built with the Win32 API from its description: one child window per control (the
// frames are group boxes, and the controls inside them are the window's children too, placed
// over them), in tab order, with the description's geometry at the window's DPI (1440 twips to
// the inch), fonts and texts. Each bound event runs its handler through RunHandler.
class Win32Form final : public Form
{
public:
    explicit Win32Form(const FormDescription &description);
    ~Win32Form() override;
    Win32Form(const Win32Form &) = delete;
    Win32Form &operator=(const Win32Form &) = delete;

    [[nodiscard]] HWND handle() const { return m_window; }

    // Runs the load event, then shows the window.
    void open(int showCommand);

    [[nodiscard]] std::u16string text(std::u16string_view control) const override;
    void setText(std::u16string_view control, std::u16string_view text) override;
    [[nodiscard]] TwipsSize outerSize() const override;
    void setLeft(float left) override;
    void setTop(float top) override;
    [[nodiscard]] TwipsSize screenSize() const override;
    void reportError(std::u16string_view message) override;

private:
    struct Control
    {
        const ControlDescription *description;
        HWND handle;
        std::u16string caption; // an output box's whole text; it may show less
    };

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void handleCommand(int id, int notification);
    void createControls();
    void layOut();
    [[nodiscard]] SIZE framedSize(UINT dpi) const;
    [[nodiscard]] int pixels(float twips) const;
    [[nodiscard]] float twips(int pixels) const;
    [[nodiscard]] Control &control(std::u16string_view name);
    [[nodiscard]] const Control &control(std::u16string_view name) const;
    [[nodiscard]] Control *controlOf(HWND handle);
    void showCaption(Control &output);
    void showTooltip(const Control &output, const std::wstring &text);
    void runHandlers(std::u16string_view source, EventKind event);

    const FormDescription &m_description;
    HWND m_window = nullptr;
    HWND m_tooltip = nullptr;
    HWND m_focus = nullptr; // the control that had the focus when the window was deactivated
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::vector<Control> m_controls;
    std::vector<std::pair<int, FontHandle>> m_fonts; // by height, at the window's DPI
    bool m_built = false;                            // events are handled once every control exists
};

} // namespace tenvex
