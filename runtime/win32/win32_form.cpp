// SPDX-License-Identifier: MIT
#include "win32_form.h"

#include "control_ids.h"
#include "form_layout.h"
#include "version.h"
#include "win32_text.h"

#include <commctrl.h>
#include <cstring>

namespace tenvex {

namespace {

constexpr wchar_t WindowClass[] = L"TenvexForm";
// The ordinary frame of a top-level window.
constexpr DWORD WindowStyle = WS_OVERLAPPEDWINDOW;
constexpr int ComboListRows = 10;

int SystemColourIndex(SystemColour colour)
{
    return static_cast<int>(static_cast<std::uint32_t>(colour) & 0xFF);
}

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

std::u16string Quoted(std::u16string_view name)
{
    return u"\"" + std::u16string(name) + u"\"";
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
    // Made in tab order: the dialog manager moves the focus in the order the controls were made.
    for (const std::size_t place : ControlsByTabIndex(m_description)) {
        if (!createControl(place))
            return fail(u"the control " + Quoted(m_description.controls[place].name));
    }
    if (const UINT dpi = GetDpiForWindow(m_window); dpi != m_dpi) {
        m_dpi = dpi;
        const SIZE resized = framedSize(m_dpi);
        SetWindowPos(m_window, nullptr, 0, 0, resized.cx, resized.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!layOut())
        return fail(u"the fonts");
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
    if (IsOutputBox(control)) {
        made.output = std::make_unique<OutputBox>();
        if (!made.output->create(m_window, id))
            return false;
        made.handle = made.output->handle();
        made.output->setCaption(control.text);
        return true;
    }
    const WindowKind kind = KindOf(control);
    made.handle = CreateWindowExW(kind.extendedStyle, kind.className, Wide(control.text).c_str(),
                                  WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, m_window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (!made.handle)
        return false;
    if (control.kind == ControlKind::TextBox)
        SendMessageW(made.handle, EM_SETLIMITTEXT, 0, 0); // no limit
    for (const std::u16string_view entry : control.listEntries)
        SendMessageW(made.handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
    if (control.kind == ControlKind::ComboBox)
        SetWindowTextW(made.handle, Wide(control.text).c_str());
    return true;
}

int Win32Form::pixels(double twips) const
{
    return Pixels(twips, static_cast<int>(m_dpi));
}

float Win32Form::twips(int pixels) const
{
    return Twips(pixels, static_cast<int>(m_dpi));
}

int Win32Form::fontHeight(double points) const
{
    return -MulDiv(static_cast<int>(points * 100.0), static_cast<int>(m_dpi), 7200);
}

// The window's outer size for its client area at a DPI.
SIZE Win32Form::framedSize(UINT dpi) const
{
    RECT outer{0, 0, Pixels(m_description.clientWidth, static_cast<int>(dpi)),
               Pixels(m_description.clientHeight, static_cast<int>(dpi))};
    AdjustWindowRectExForDpi(&outer, WindowStyle, FALSE, 0, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// Where a control goes in the window's client area: every control is the window's child, so
// one inside a frame is placed relative to the frame.
TwipsRect Win32Form::placeInWindow(std::size_t place) const
{
    const ControlDescription &control = m_description.controls[place];
    TwipsRect rect = control.geometry;
    if (control.parent != m_description.name) {
        const TwipsRect &frame
            = m_description.controls[ControlIndex(m_description, control.parent)].geometry;
        rect.left += frame.left;
        rect.top += frame.top;
    }
    return rect;
}

// One font of the window's face for each size its controls use, at the window's DPI; none when
// one of them cannot be made.
std::optional<std::map<int, FontHandle>> Win32Form::makeFonts() const
{
    std::map<int, FontHandle> fonts;
    for (const ControlDescription &control : m_description.controls) {
        const int height = fontHeight(control.fontSize);
        if (fonts.contains(height))
            continue;
        FontHandle font(CreateFontW(height, 0, 0, 0, m_description.bold ? FW_BOLD : FW_NORMAL,
                                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                                    Wide(m_description.fontFace).c_str()));
        if (!font)
            return std::nullopt;
        fonts.emplace(height, std::move(font));
    }
    return fonts;
}

// Places every control at the window's DPI, with fonts of that DPI. False, with every control as
// it was, when a font cannot be made.
bool Win32Form::layOut()
{
    std::optional<std::map<int, FontHandle>> fonts = makeFonts();
    if (!fonts)
        return false;
    for (std::size_t place = 0; place < m_controls.size(); ++place) {
        const ControlDescription &control = m_description.controls[place];
        const HWND handle = m_controls[place].handle;
        const TwipsRect rect = placeInWindow(place);
        const int height = pixels(rect.height);
        // A combo box's window reaches down over its list; its field keeps the given height.
        const int windowHeight
            = control.kind == ControlKind::ComboBox ? height * (ComboListRows + 1) : height;
        MoveWindow(handle, pixels(rect.left), pixels(rect.top), pixels(rect.width), windowHeight,
                   FALSE);
        SendMessageW(handle, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts->at(fontHeight(control.fontSize)).get()),
                     FALSE);
        if (control.kind == ControlKind::ComboBox) {
            // The field is its text's height and a border of three pixels above and below.
            constexpr int FieldBorders = 6;
            SendMessageW(handle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - FieldBorders);
        }
        if (m_controls[place].output)
            m_controls[place].output->refit();
    }
    m_fonts = std::move(*fonts); // the old fonts go once no control uses them
    InvalidateRect(m_window, nullptr, TRUE);
    return true;
}

void Win32Form::open(int showCommand)
{
    RaiseEvent(*this, m_description, m_description.name, EventKind::Load);
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
    RECT outer{};
    GetWindowRect(m_window, &outer);
    SetWindowPos(m_window, nullptr, pixels(left), outer.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::setTop(float top)
{
    RECT outer{};
    GetWindowRect(m_window, &outer);
    SetWindowPos(m_window, nullptr, outer.left, pixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TwipsSize Win32Form::screenSize() const
{
    // The primary screen, whose top-left corner is the origin of window positions.
    return {twips(GetSystemMetrics(SM_CXSCREEN)), twips(GetSystemMetrics(SM_CYSCREEN))};
}

void Win32Form::reportError(std::u16string_view message)
{
    const std::wstring title(version::ApplicationName,
                             version::ApplicationName + std::strlen(version::ApplicationName));
    MessageBoxW(m_window, Wide(message).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void Win32Form::onCommand(int id, int notification)
{
    const auto place = static_cast<std::size_t>(id - FirstControlId);
    if (!m_built || id < FirstControlId || place >= m_controls.size())
        return; // Enter and Escape arrive as IDOK and IDCANCEL: neither does anything
    const ControlDescription &control = m_description.controls[place];
    if (control.kind == ControlKind::TextBox && notification == EN_CHANGE)
        RaiseEvent(*this, m_description, control.name, EventKind::Change);
    else if (control.kind == ControlKind::CommandButton && notification == BN_CLICKED)
        RaiseEvent(*this, m_description, control.name, EventKind::Click);
}

// Labels drawn in colours of their own: the output box in the window's colours.
LRESULT Win32Form::onCtlColorStatic(HDC context, HWND control)
{
    const auto found = std::ranges::find(m_controls, control, &Control::handle);
    if (found == m_controls.end())
        return 0;
    const ControlDescription &description
        = m_description.controls[static_cast<std::size_t>(found - m_controls.begin())];
    if (description.background == SystemColour::ButtonFace)
        return 0;
    SetTextColor(context, GetSysColor(SystemColourIndex(description.foreground)));
    SetBkColor(context, GetSysColor(SystemColourIndex(description.background)));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(SystemColourIndex(description.background)));
}

// The window keeps its client size in twips: the rectangle Windows suggests is just that.
void Win32Form::onDpiChanged(UINT dpi, const RECT &suggested)
{
    m_dpi = dpi;
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where no font of the new size can be made, the controls keep the fonts they have.
    (void)layOut();
}

LRESULT CALLBACK Win32Form::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *creation = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        auto *form = static_cast<Win32Form *>(creation->lpCreateParams);
        form->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto *form = reinterpret_cast<Win32Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form ? form->handleMessage(message, wParam, lParam)
                : DefDlgProcW(window, message, wParam, lParam);
}

LRESULT Win32Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND window = m_window;
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        if (const LRESULT brush
            = onCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return brush;
        break;
    case WM_DPICHANGED:
        if (lParam)
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
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
