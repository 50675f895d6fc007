// SPDX-License-Identifier: MIT
// The baseline of the Windows start-up benchmark: a bare Win32 program that shows the same eight
// controls, with the same classes, geometry at 96 dpi (the combo boxes' fields too), texts, fonts,
// icon, DPI awareness and common controls (its manifest), in a window of the dialog class centred
// on the screen, where the dialog manager puts the focus in the first box, and nothing of ours.
#include <windows.h>
#include <commctrl.h>

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE: // which the dialog manager would take for Cancel
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefDlgProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareTenvex";
    RegisterClassExW(&windowClass);
    RECT outer{0, 0, 324, 235};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    HWND window = CreateWindowExW(0, L"BareTenvex", L"Bare Tenvex", WS_OVERLAPPEDWINDOW,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                  nullptr, nullptr, instance, nullptr);
    HFONT body = CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             VARIABLE_PITCH | FF_SWISS, L"MS Sans Serif");
    HFONT title = CreateFontW(-18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              VARIABLE_PITCH | FF_SWISS, L"MS Sans Serif");
    struct Control
    {
        const wchar_t *className;
        const wchar_t *text;
        DWORD style;
        DWORD extendedStyle;
        int x, y, width, height;
        HFONT font;
    };
    const Control all[] = {
        {L"Static", L"Orvid Tenvex", SS_CENTER, 0, 56, 8, 217, 33, title},
        {L"Button", L"From", BS_GROUPBOX, 0, 8, 48, 153, 121, body},
        {L"Edit", L"1", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 24, 80, 105, 25, body},
        {L"Button", L"To", BS_GROUPBOX, 0, 168, 48, 145, 121, body},
        {L"ComboBox", L"", WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL, 0, 24, 120, 105, 264, body},
        {L"ComboBox", L"", WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL, 0, 176, 120, 105, 264, body},
        {L"Edit", L"1", ES_READONLY | WS_BORDER, 0, 176, 80, 105, 25, body},
        {L"Button", L"Convert", WS_TABSTOP | BS_PUSHBUTTON, 0, 96, 184, 137, 33, title},
    };
    const wchar_t *entries[] = {L"Tera (T)",  L"Giga (G)",  L"Mega (M)",  L"Kilo (K)", L"Unit",
                                L"centi (c)", L"milli (m)", L"micro (u)", L"nano (n)", L"pico (p)"};
    for (const Control &control : all) {
        HWND handle
            = CreateWindowExW(control.extendedStyle, control.className, control.text,
                              WS_CHILD | WS_VISIBLE | control.style, control.x, control.y,
                              control.width, control.height, window, nullptr, instance, nullptr);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
        if (lstrcmpW(control.className, L"ComboBox") == 0) {
            SendMessageW(handle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 18); // a 24-pixel field
            for (const wchar_t *entry : entries)
                SendMessageW(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
            SendMessageW(handle, CB_SETCURSEL, 4, 0);
        }
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DeleteObject(body);
    DeleteObject(title);
    return 0;
}
