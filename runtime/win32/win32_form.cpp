// SPDX-License-Identifier: MIT
#include "win32_form.h"

#include "accessible_control.h"
#include "control_ids.h"
#include "error.h"
#include "form_layout.h"
#include "version.h"
#include "win32_text.h"

#include <commctrl.h>
#include <cstring>
#include <optional>
#include <utility>
#include <uxtheme.h>
#include <vssym32.h>

namespace tenvex {

namespace {

constexpr wchar_t WindowClass[] = L"TenvexForm";
// The ordinary frame of a top-level window.
constexpr DWORD WindowStyle = WS_OVERLAPPEDWINDOW;
constexpr int ComboListRows = 10;
// Posted when a combo box's list closes without an entry picked: its typed text is put back.
constexpr UINT RestoreTypedText = WM_APP;

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

// The clipboard's text, if it has one.
std::optional<std::u16string> ClipboardText(HWND owner)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner))
        return std::nullopt;
    std::optional<std::u16string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *units = static_cast<const char16_t *>(GlobalLock(data))) {
            text = units;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// A frame drawn in the colours its description gives: the system's group box takes its line from
// the visual style where there is one, but draws its caption in the window text's colour whatever
// its parent asks.
void PaintFrame(HWND frame, COLORREF text, COLORREF background)
{
    PAINTSTRUCT paint{};
    HDC context = BeginPaint(frame, &paint);
    const HGDIOBJ previousFont
        = SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(frame, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    RECT area{};
    GetClientRect(frame, &area);
    // The line runs through the caption a little above its middle, where the system draws it.
    RECT line{area.left, area.top + metrics.tmHeight / 2 - 1, area.right, area.bottom};
    if (HTHEME theme = OpenThemeData(frame, L"BUTTON")) {
        DrawThemeBackground(theme, context, BP_GROUPBOX, GBS_NORMAL, &line, nullptr);
        CloseThemeData(theme);
    } else {
        DrawEdge(context, &line, EDGE_ETCHED, BF_RECT);
    }
    const std::u16string caption = WindowText(frame);
    if (!caption.empty()) {
        const std::wstring wide = Wide(caption);
        SIZE size{};
        GetTextExtentPoint32W(context, wide.c_str(), static_cast<int>(wide.size()), &size);
        // Where the system puts it: eight pixels in at 96 dots per inch, the line broken a pixel
        // before and after it.
        const auto dpi = static_cast<int>(GetDpiForWindow(frame));
        const int indent = MulDiv(8, dpi, USER_DEFAULT_SCREEN_DPI);
        const int margin = MulDiv(1, dpi, USER_DEFAULT_SCREEN_DPI);
        const RECT box{area.left + indent - margin, area.top, area.left + indent + size.cx + margin,
                       area.top + metrics.tmHeight};
        SetTextColor(context, text);
        SetBkColor(context, background);
        ExtTextOutW(context, area.left + indent, box.top, ETO_OPAQUE, &box, wide.c_str(),
                    static_cast<UINT>(wide.size()), nullptr);
    }
    SelectObject(context, previousFont);
    EndPaint(frame, &paint);
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
        made.output = std::make_unique<OutputBox>(*this, control.accessibleName);
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

// Where a control goes, in pixels at the window's DPI. A combo box's window reaches down over
// its list; its field keeps the height given.
RECT Win32Form::pixelPlace(std::size_t place) const
{
    const TwipsRect rect = placeInWindow(place);
    const int height = pixels(rect.height);
    const int windowHeight = m_description.controls[place].kind == ControlKind::ComboBox
        ? height * (ComboListRows + 1)
        : height;
    const int left = pixels(rect.left);
    const int top = pixels(rect.top);
    return {left, top, left + pixels(rect.width), top + windowHeight};
}

// A control's font of the window's fonts; and a combo box's field the height given, which is its
// text's and a border of three pixels above and below.
void Win32Form::setFont(std::size_t place)
{
    const ControlDescription &control = m_description.controls[place];
    const HWND handle = m_controls[place].handle;
    SendMessageW(handle, WM_SETFONT,
                 reinterpret_cast<WPARAM>(m_fonts.at(fontHeight(control.fontSize)).get()), FALSE);
    if (control.kind == ControlKind::ComboBox) {
        constexpr int FieldBorders = 6;
        SendMessageW(handle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                     pixels(control.geometry.height) - FieldBorders);
    }
}

// Places every control again at the window's DPI, with fonts of that DPI. False, with every
// control as it was, when a font cannot be made.
bool Win32Form::layOut()
{
    std::optional<std::map<int, FontHandle>> fonts = makeFonts();
    if (!fonts)
        return false;
    const std::map<int, FontHandle> previous = std::exchange(m_fonts, std::move(*fonts));
    for (std::size_t place = 0; place < m_controls.size(); ++place) {
        const RECT rect = pixelPlace(place);
        MoveWindow(m_controls[place].handle, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, FALSE);
        setFont(place);
        if (m_controls[place].output)
            m_controls[place].output->refit();
    }
    InvalidateRect(m_window, nullptr, TRUE);
    return true; // the previous fonts go now that no control uses them
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
    else if (control.kind == ControlKind::ComboBox)
        onComboBoxNotification(place, notification);
}

// A combo box's list, when it opens, selects the first entry that begins with the typed text in
// any letter case, and would put that entry in place of the text when it closes: "m" would
// become "Mega (M)". The text stays as typed unless the user picks an entry in the list. An entry
// picked with the keys changes the selection while the list is open; one picked with the mouse
// closes the list first and changes the selection after, before the posted restore is handled.
void Win32Form::onComboBoxNotification(std::size_t place, int notification)
{
    Control &control = m_controls[place];
    const bool open = SendMessageW(control.handle, CB_GETDROPPEDSTATE, 0, 0) != 0;
    switch (notification) {
    case CBN_DROPDOWN:
        control.typed = WindowText(control.handle);
        control.picked = false;
        control.closing = false;
        break;
    case CBN_EDITCHANGE:
        if (open) {
            control.typed = WindowText(control.handle);
            control.picked = false;
        }
        break;
    case CBN_SELCHANGE:
        control.picked = control.picked || open || control.closing;
        break;
    case CBN_SELENDCANCEL:
        control.picked = false;
        break;
    case CBN_CLOSEUP:
        // After the list has done all it does on closing.
        if (!control.picked) {
            control.closing = true;
            PostMessageW(m_window, RestoreTypedText, place, 0);
        }
        break;
    default:
        break;
    }
}

// Labels, frames and the output box in the colours their description gives: the title and the
// frames' captions in the button text's colour, the output box in the window's.
LRESULT Win32Form::onCtlColorStatic(HDC context, HWND control)
{
    const auto found = std::ranges::find(m_controls, control, &Control::handle);
    if (found == m_controls.end())
        return 0;
    const ControlDescription &description
        = m_description.controls[static_cast<std::size_t>(found - m_controls.begin())];
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
        PaintFrame(window, GetSysColor(SystemColourIndex(control.foreground)),
                   GetSysColor(SystemColourIndex(control.background)));
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
    const std::wstring line = Wide(OneLine(*pasted));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const auto kept = static_cast<std::size_t>(GetWindowTextLengthW(field)) - (end - start);
    if (control.kind == ControlKind::TextBox && kept + line.size() > TextLengthLimit)
        throw Error(ErrorKind::TextTooLong, DisplayName(control));
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
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
    case RestoreTypedText: {
        const auto place = static_cast<std::size_t>(wParam);
        if (place >= m_controls.size())
            return 0;
        Control &control = m_controls[place];
        if (control.closing && !control.picked)
            setText(m_description.controls[place].name, control.typed);
        control.closing = false;
        return 0;
    }
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
