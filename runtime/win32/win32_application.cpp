// SPDX-License-Identifier: MIT
#include "application.h"
#include "win32_form.h"

#include <commctrl.h>

namespace tenvex {

int RunApplication(int &, char **, const FormDescription &description)
{
    // Twips become pixels at the DPI of the screen the window is on, and again when it moves.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Form window(description);
    window.open(SW_SHOWDEFAULT);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog manager moves the focus with Tab and Shift+Tab. Enter and Escape reach the
        // window as IDOK and IDCANCEL, which it ignores: it has no default or cancel button.
        if (!IsDialogMessageW(window.handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

} // namespace tenvex
