// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"
#include "output_box.h"
#include "window_hook.h"

#include <windows.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace tenvex {

// Releases a font when its owner goes.
struct FontDeleter
{
    void operator()(HFONT font) const { DeleteObject(font); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// A window built with the Win32 API from a well-formed description: a window of a private dialog
// class, so that the dialog manager moves and keeps the focus as in any dialog, and one child
// window per control (the frames are group boxes, and the controls inside them are the window's
// children too, placed over them), made in tab order, with the description's geometry at the
// window's DPI, fonts and texts. A text box's change and a button's click raise that event of
// the description.
class Win32Form final : public Form
{
public:
    explicit Win32Form(const FormDescription &description);
    ~Win32Form() override;
    Win32Form(const Win32Form &) = delete;
    Win32Form &operator=(const Win32Form &) = delete;

    // Makes the window and its controls. False when Windows cannot, and failure() then says in a
    // few words what could not be made.
    [[nodiscard]] bool create();
    [[nodiscard]] const std::u16string &failure() const { return m_failure; }

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
        HWND handle = nullptr;
        std::unique_ptr<OutputBox> output; // for an output box, which owns its handle's text
        // A combo box's text as the user typed it, whether they picked an entry since its list
        // opened, and whether its list has closed with the typed text still to be put back.
        std::u16string typed;
        bool picked = false;
        bool closing = false;
        // In front of the control's procedure, and of its field's for a combo box.
        WindowHook hook;
        WindowHook fieldHook;
    };

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) noexcept;
    static LRESULT controlProcedure(const WindowHook &hook, HWND window, UINT message,
                                    WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] bool handleControlMessage(std::size_t place, HWND window, UINT message,
                                            WPARAM wParam, LPARAM lParam, LRESULT &result);
    void onCommand(int id, int notification);
    // The ordinary frame of a top-level window.
    static constexpr DWORD WindowStyle = WS_OVERLAPPEDWINDOW;
    // Posted when a combo box's list closes without an entry picked: its typed text is put back.
    static constexpr UINT RestoreTypedText = WM_APP;

    void onComboBoxNotification(std::size_t place, int notification);
    void restoreTypedText(std::size_t place);
    void paintFrame(HWND frame, const ControlDescription &control) const;
    void pasteOneLine(HWND field, const ControlDescription &control);
    [[nodiscard]] LRESULT onCtlColorStatic(HDC context, HWND control);
    void onDpiChanged(UINT dpi, const RECT &suggested);

    [[nodiscard]] bool createControl(std::size_t place);
    [[nodiscard]] bool hookWindow(HWND window, WindowHook &hook, std::size_t place);
    [[nodiscard]] std::optional<std::map<int, FontHandle>> makeFonts() const;
    [[nodiscard]] RECT pixelPlace(std::size_t place) const;
    void setFont(std::size_t place);
    [[nodiscard]] bool layOut();
    [[nodiscard]] bool fail(std::u16string_view what);
    [[nodiscard]] SIZE framedSize(UINT dpi) const;
    [[nodiscard]] POINT position() const;
    void moveTo(POINT position);
    [[nodiscard]] TwipsRect placeInWindow(std::size_t place) const;
    [[nodiscard]] int pixels(double twips) const;
    [[nodiscard]] float twips(int pixels) const;
    [[nodiscard]] int fontHeight(double points) const;

    const FormDescription &m_description;
    HWND m_window = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::vector<Control> m_controls;   // in description order
    std::map<int, FontHandle> m_fonts; // by height in pixels, at the window's DPI
    std::u16string m_failure;
    bool m_built = false;  // events are handled once every control exists
    bool m_opened = false; // the load event has run and the window is shown
    std::optional<POINT> m_unshownPosition;
};

} // namespace tenvex
