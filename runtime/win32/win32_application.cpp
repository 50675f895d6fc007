// SPDX-License-Identifier: MIT
#include "application.h"
#include "error_dialog.h"
#include "win32_form.h"
#include "win32_text.h"

#include <commctrl.h>
#include <cstdio>

namespace tenvex {

namespace {

// One line, on the standard error stream for a console and in a message box for everyone else.
void ReportStartupFailure(const std::u16string &failure)
{
    const std::u16string line = u"Tenvex could not start: it " + failure;
    std::fwprintf(stderr, L"%ls\n", Wide(line).c_str());
    ShowErrorDialog(nullptr, line);
}

} // namespace

int RunApplication(int &, char **, const FormDescription &description)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Form window(description);
    if (!window.create()) {
        ReportStartupFailure(window.failure());
        return 1;
    }
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
