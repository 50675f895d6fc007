// SPDX-License-Identifier: MIT
#include "win32_form.h"

#include "control_ids.h"
#include "error_dialog.h"
#include "form_error.h"
#include "form_layout.h"
#include "win32_text.h"

#include <commctrl.h>
#include <optional>

namespace tenvex {

namespace {

constexpr wchar_t WindowClass[] = L"TenvexForm";

// The class and styles of each kind of control but the output box.
struct WindowKind
{
    const wchar_t *className;
    DWORD style;
    DWORD extendedStyle;
};

WindowKind KindOf(const ControlDescription &control)
{
    const DWORD tabStop = TakesFocus(control.kind) ? WS_TABSTOP : 0;
    switch (control.kind) {
    case ControlKind::Label:
        return {WC_STATICW,
                static_cast<DWORD>(
                    SS_NOPREFIX | (control.alignment == Alignment::Centre ? SS_CENTER : SS_LEFT)),
                0};
    case ControlKind::Frame:
        return {WC_BUTTONW, BS_GROUPBOX, 0};
    case ControlKind::TextBox:
        return {WC_EDITW, tabStop | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
        return {WC_COMBOBOXW, tabStop | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::CommandButton:
        return {WC_BUTTONW, tabStop | BS_PUSHBUTTON, 0};
    }
    return {WC_STATICW, 0, 0};
}

// The window's class: a private dialog class, whose extra bytes DefDlgProcW keeps the dialog's
// state in. A second window finds it registered already.
void RegisterFormClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = WindowClass;
    RegisterClassExW(&windowClass);
}

} // namespace

Win32Form::Win32Form(const FormDescription &description)
    : m_description(description)
    , m_controls(description.controls.size())
{}

Win32Form::~Win32Form()
{
    if (m_window)
        DestroyWindow(m_window);
}

bool Win32Form::create()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Whether the class is there, creating the window tells.
    RegisterFormClass(instance, windowProcedure);

    // Made at its size for the primary screen's DPI, and resized if it opens on another screen.
    m_dpi = GetDpiForSystem();
    const SIZE outer = framedSize(m_dpi);
    m_window = CreateWindowExW(0, WindowClass, Wide(m_description.caption).c_str(), WindowStyle,
                               CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr,
                               instance, this);
    if (!m_window)
        return fail(u"the window");
    if (const UINT dpi = GetDpiForWindow(m_window); dpi != m_dpi) {
        m_dpi = dpi;
        const SIZE resized = framedSize(m_dpi);
        SetWindowPos(m_window, nullptr, 0, 0, resized.cx, resized.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::optional<std::map<int, FontHandle>> fonts = makeFonts();
    if (!fonts)
        return fail(u"the fonts");
    m_fonts = std::move(*fonts);
    // Made in tab order, as the dialog manager moves the focus in the order the controls were
    // made; each in its place and with its font, as nothing is laid out twice.
    for (const std::size_t place : ControlsByTabIndex(m_description)) {
        if (!createControl(place))
            return fail(u"the control " + Quoted(m_description.controls[place].name));
    }
    m_built = true;
    return true;
}

bool Win32Form::fail(std::u16string_view what)
{
    m_failure = u"could not make ";
    m_failure += what;
    const std::wstring code = std::to_wstring(GetLastError());
    m_failure += u" (error ";
    m_failure.append(code.begin(), code.end());
    m_failure += u").";
    return false;
}

bool Win32Form::createControl(std::size_t place)
{
    const ControlDescription &control = m_description.controls[place];
    Control &made = m_controls[place];
    const int id = ControlId(place);
    const RECT rect = pixelPlace(place);
    if (IsOutputBox(control)) {
        made.output = std::make_unique<OutputBox>(*this, control);
        if (!made.output->create(m_window, id, rect))
            return false;
        made.handle = made.output->handle();
        setFont(place);
        // The first caption, shortened to fit, is code of ours run outside any handler.
        RunGuarded(*this, [&] { made.output->setCaption(control.text); });
        return true;
    }
    const WindowKind kind = KindOf(control);
    made.handle = CreateWindowExW(kind.extendedStyle, kind.className, Wide(control.text).c_str(),
                                  WS_CHILD | WS_VISIBLE | kind.style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, m_window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (!made.handle)
        return false;
    setFont(place);
    if (control.kind == ControlKind::TextBox)
        SendMessageW(made.handle, EM_SETLIMITTEXT, TextLengthLimit, 0);
    for (const std::u16string_view entry : control.listEntries)
        SendMessageW(made.handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
    if (control.kind == ControlKind::ComboBox)
        SetWindowTextW(made.handle, Wide(control.text).c_str());
    if (!hookWindow(made.handle, made.hook, place))
        return false;
    // A combo box's typed text lives in an edit control of its own, which has the focus for it.
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    return control.kind != ControlKind::ComboBox
        || (GetComboBoxInfo(made.handle, &parts)
            && hookWindow(parts.hwndItem, made.fieldHook, place));
}

bool Win32Form::hookWindow(HWND window, WindowHook &hook, std::size_t place)
{
    hook = {.procedure = controlProcedure, .owner = this, .id = place};
    return InstallHook(window, hook);
}

void Win32Form::open(int showCommand)
{
    RaiseEvent(*this, m_description, m_description.name, EventKind::Load);
    m_opened = true;
    if (m_unshownPosition)
        moveTo(*m_unshownPosition);
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
}

std::u16string Win32Form::text(std::u16string_view name) const
{
    const Control &control = m_controls[ControlIndex(m_description, name)];
    return control.output ? control.output->caption() : WindowText(control.handle);
}

void Win32Form::setText(std::u16string_view name, std::u16string_view text)
{
    const std::size_t place = ControlIndex(m_description, name);
    const Control &control = m_controls[place];
    if (control.output) {
        control.output->setCaption(text);
        return;
    }
    // A text that is exactly an entry of the list also selects it, so that the list opens on it.
    if (const auto entry = ListEntryIndex(m_description.controls[place].listEntries, text)) {
        SendMessageW(control.handle, CB_SETCURSEL, *entry, 0);
        return;
    }
    SetWindowTextW(control.handle, Wide(text).c_str());
}

TwipsSize Win32Form::outerSize() const
{
    RECT outer{};
    GetWindowRect(m_window, &outer);
    return {twips(outer.right - outer.left), twips(outer.bottom - outer.top)};
}

void Win32Form::setLeft(float left)
{
    POINT position = this->position();
    position.x = pixels(left);
    moveTo(position);
}

void Win32Form::setTop(float top)
{
    POINT position = this->position();
    position.y = pixels(top);
    moveTo(position);
}

// The window's top-left corner, or where it goes when it is shown.
POINT Win32Form::position() const
{
    if (m_unshownPosition)
        return *m_unshownPosition;
    RECT outer{};
    GetWindowRect(m_window, &outer);
    return {outer.left, outer.top};
}

// Until the window is shown, where it goes is only noted: it is moved once, as it is shown,
// whatever the load event sets, as each move is a round trip to the window system.
void Win32Form::moveTo(POINT position)
{
    if (!m_opened) {
        m_unshownPosition = position;
        return;
    }
    m_unshownPosition.reset();
    SetWindowPos(m_window, nullptr, position.x, position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TwipsSize Win32Form::screenSize() const
{
    // The primary screen, whose top-left corner is the origin of window positions.
    return {twips(GetSystemMetrics(SM_CXSCREEN)), twips(GetSystemMetrics(SM_CYSCREEN))};
}

void Win32Form::reportError(std::u16string_view message)
{
    ShowErrorDialog(m_window, UnbrokenQuotes(message));
}

void Win32Form::onCommand(int id, int notification)
{
    const auto place = static_cast<std::size_t>(id - FirstControlId);
    if (!m_built || id < FirstControlId || place >= m_controls.size())
        return; // Enter and Escape arrive as IDOK and IDCANCEL: neither does anything
    const ControlDescription &control = m_description.controls[place];
    // Each kind's event arrives as the notification its class sends for it.
    const std::optional<EventKind> event = EventOf(control.kind);
    if ((event == EventKind::Change && notification == EN_CHANGE)
        || (event == EventKind::Click && notification == BN_CLICKED))
        RaiseEvent(*this, m_description, control.name, *event);
    else if (control.kind == ControlKind::ComboBox)
        onComboBoxNotification(place, notification);
}

LRESULT CALLBACK Win32Form::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE) {
        const auto *creation = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        auto *form = static_cast<Win32Form *>(creation->lpCreateParams);
        form->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto *form = reinterpret_cast<Win32Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefDlgProcW(window, message, wParam, lParam);
    // Nothing our code throws crosses the window procedure: it is reported as a handler's is.
    LRESULT result = 0;
    bool handled = false;
    RunGuarded(*form, [&] {
        result = form->handleMessage(message, wParam, lParam);
        handled = true;
    });
    return handled ? result : DefDlgProcW(window, message, wParam, lParam);
}

LRESULT Win32Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND window = m_window;
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (const LRESULT brush
            = onCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return brush;
        break;
    case WM_DPICHANGED:
        if (lParam)
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case RestoreTypedText:
        restoreTypedText(static_cast<std::size_t>(wParam));
        return 0;
    case WM_CLOSE:
        // The dialog manager would turn it into a Cancel command: the window closes instead.
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        m_window = nullptr;
        break;
    default:
        break;
    }
    return DefDlgProcW(window, message, wParam, lParam);
}

} // namespace tenvex
