// SPDX-License-Identifier: MIT
#include "win32_form.h"

#include "error.h"
#include "shortening.h"
#include "version.h"

#include <algorithm>
#include <commctrl.h>
#include <cstring>
#include <iterator>
#include <utility>

namespace tenvex {

namespace {

constexpr wchar_t WindowClass[] = L"TenvexForm";
// The ordinary frame of a top-level window.
constexpr DWORD WindowStyle = WS_OVERLAPPEDWINDOW;
constexpr int TwipsPerInch = 1440;
constexpr int ComboListRows = 10;

// Control texts are UTF-16, as Windows' wide strings are; the copy adds the terminating zero.
std::wstring Wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

std::u16string WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return {text.begin(), text.end()};
}

// Whole pixels at a DPI, cut toward zero, as halving a whole number of pixels is.
int Pixels(float twips, UINT dpi)
{
    return static_cast<int>(twips * static_cast<float>(dpi) / TwipsPerInch);
}

bool IsOutputBox(const ControlDescription &description)
{
    return description.kind == ControlKind::Label && description.border == Border::FixedSingle;
}

int SystemColourIndex(SystemColour colour)
{
    return static_cast<int>(static_cast<std::uint32_t>(colour) & 0xFF);
}

// The class and styles of each kind of control. An output box is a read-only edit control: it
// can be selected and copied from, but not typed into, and it is not in the tab order.
struct WindowKind
{
    const wchar_t *className;
    DWORD style;
    DWORD extendedStyle;
};

WindowKind KindOf(const ControlDescription &description)
{
    switch (description.kind) {
    case ControlKind::Label:
        if (IsOutputBox(description))
            return {WC_EDITW, ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, 0};
        return {
            WC_STATICW,
            static_cast<DWORD>(
                SS_NOPREFIX | (description.alignment == Alignment::Centre ? SS_CENTER : SS_LEFT)),
            0};
    case ControlKind::Frame:
        return {WC_BUTTONW, BS_GROUPBOX, 0};
    case ControlKind::TextBox:
        return {WC_EDITW, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
        return {WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::CommandButton:
        return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, 0};
    }
    return {WC_STATICW, 0, 0};
}

// Puts a text on the clipboard, as Unicode text.
void CopyToClipboard(HWND owner, std::u16string_view text)
{
    if (!OpenClipboard(owner))
        return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        auto *target = static_cast<wchar_t *>(GlobalLock(memory));
        std::copy(text.begin(), text.end(), target);
        target[text.size()] = L'\0';
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

// The output box copies its whole text, however it is asked to (Ctrl+C, the context menu's
// Copy) and whatever part of the shortened form is selected.
LRESULT CALLBACK OutputBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR caption)
{
    if (message == WM_COPY) {
        const auto *text = reinterpret_cast<const std::u16string *>(caption);
        if (!text->empty())
            CopyToClipboard(window, *text);
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

Win32Form::Win32Form(const FormDescription &description)
    : m_description(description)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = WindowClass;
    RegisterClassExW(&windowClass); // a second window finds the class registered already

    // Made at its size for the primary screen's DPI, and resized if it opens on another screen.
    m_dpi = GetDpiForSystem();
    const SIZE outer = framedSize(m_dpi);
    const std::wstring caption = Wide(description.caption);
    m_window = CreateWindowExW(0, WindowClass, caption.c_str(), WindowStyle, CW_USEDEFAULT,
                               CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, instance, this);
    createControls();
    if (const UINT dpi = GetDpiForWindow(m_window); dpi != m_dpi) {
        m_dpi = dpi;
        const SIZE resized = framedSize(m_dpi);
        SetWindowPos(m_window, nullptr, 0, 0, resized.cx, resized.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    layOut();
    m_built = true;
}

Win32Form::~Win32Form()
{
    if (m_window)
        DestroyWindow(m_window);
}

void Win32Form::createControls()
{
    // Created in tab order: the dialog manager moves the focus in the order of creation.
    std::vector<const ControlDescription *> order;
    for (const ControlDescription &description : m_description.controls)
        order.push_back(&description);
    std::ranges::stable_sort(order, {}, &ControlDescription::tabIndex);
    m_controls.reserve(order.size());
    for (const ControlDescription *description : order) {
        const WindowKind kind = KindOf(*description);
        const auto id
            = FirstControlId + static_cast<int>(description - m_description.controls.data());
        const std::wstring text = Wide(description->text);
        HWND handle = CreateWindowExW(
            kind.extendedStyle, kind.className, IsOutputBox(*description) ? L"" : text.c_str(),
            WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
        Control &control = m_controls.emplace_back(Control{description, handle, {}});
        switch (description->kind) {
        case ControlKind::TextBox:
            SendMessageW(handle, EM_SETLIMITTEXT, 0, 0); // no limit
            break;
        case ControlKind::ComboBox:
            for (const std::u16string_view entry : description->listEntries) {
                const std::wstring item = Wide(entry);
                SendMessageW(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
            }
            SetWindowTextW(handle, text.c_str());
            break;
        case ControlKind::Label:
            if (IsOutputBox(*description))
                control.caption = description->text;
            break;
        case ControlKind::Frame:
        case ControlKind::CommandButton:
            break;
        }
    }

    for (Control &control : m_controls) {
        // The subclass reads the caption where it lives: the vector no longer grows.
        if (IsOutputBox(*control.description))
            SetWindowSubclass(control.handle, OutputBoxProcedure, 0,
                              reinterpret_cast<DWORD_PTR>(&control.caption));
    }
}

// The tooltip of a shortened result, made when the first one is shown: a window less to make at
// start-up.
void Win32Form::showTooltip(const Control &output, const std::wstring &text)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(output.handle);
    tool.lpszText = const_cast<wchar_t *>(text.c_str());
    if (!m_tooltip) {
        if (text.empty())
            return;
        m_tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                    WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, m_window,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

int Win32Form::pixels(float twips) const
{
    return Pixels(twips, m_dpi);
}

float Win32Form::twips(int pixels) const
{
    return static_cast<float>(pixels) * TwipsPerInch / static_cast<float>(m_dpi);
}

// The window's outer size for its client area at a DPI.
SIZE Win32Form::framedSize(UINT dpi) const
{
    RECT outer{0, 0, Pixels(static_cast<float>(m_description.clientWidth), dpi),
               Pixels(static_cast<float>(m_description.clientHeight), dpi)};
    AdjustWindowRectExForDpi(&outer, WindowStyle, FALSE, 0, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// Places every control at the window's DPI, with fonts of that DPI.
void Win32Form::layOut()
{
    // One font per size: controls of the same size share it.
    std::vector<std::pair<int, FontHandle>> fonts;
    const std::wstring face = Wide(m_description.fontFace);
    for (Control &control : m_controls) {
        const ControlDescription &description = *control.description;
        TwipsRect place = description.geometry;
        // Controls inside a frame are placed relative to it.
        if (description.parent != m_description.name) {
            const TwipsRect &frame = this->control(description.parent).description->geometry;
            place.left += frame.left;
            place.top += frame.top;
        }
        const int height = pixels(static_cast<float>(place.height));
        // A combo box's window reaches down over its list; its field keeps the given height.
        const int listHeight
            = description.kind == ControlKind::ComboBox ? height * (ComboListRows + 1) : height;
        MoveWindow(control.handle, pixels(static_cast<float>(place.left)),
                   pixels(static_cast<float>(place.top)), pixels(static_cast<float>(place.width)),
                   listHeight, FALSE);

        const int fontHeight = -MulDiv(static_cast<int>(description.fontSize * 100.0),
                                       static_cast<int>(m_dpi), 7200);
        auto font = std::ranges::find(fonts, fontHeight, &std::pair<int, FontHandle>::first);
        if (font == fonts.end()) {
            fonts.emplace_back(
                fontHeight,
                CreateFontW(fontHeight, 0, 0, 0, m_description.bold ? FW_BOLD : FW_NORMAL, FALSE,
                            FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, face.c_str()));
            font = std::prev(fonts.end());
        }
        SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font->second.get()),
                     FALSE);
        if (description.kind == ControlKind::ComboBox) {
            // The field is its text's height and a border of three pixels above and below.
            constexpr int FieldBorders = 6;
            SendMessageW(control.handle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                         height - FieldBorders);
        }
        if (IsOutputBox(description))
            showCaption(control);
    }
    m_fonts = std::move(fonts); // the old fonts go once no control uses them
    InvalidateRect(m_window, nullptr, TRUE);
}

void Win32Form::open(int showCommand)
{
    runHandlers(m_description.name, EventKind::Load);
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
}

void Win32Form::runHandlers(std::u16string_view source, EventKind event)
{
    for (const EventBinding &binding : m_description.events) {
        if (binding.source == source && binding.event == event)
            RunHandler(*this, binding.handler);
    }
}

Win32Form::Control &Win32Form::control(std::u16string_view name)
{
    const auto found = std::ranges::find_if(
        m_controls, [name](const Control &control) { return control.description->name == name; });
    if (found == m_controls.end())
        throw Error(ErrorKind::NoSuchControl, name);
    return *found;
}

const Win32Form::Control &Win32Form::control(std::u16string_view name) const
{
    return const_cast<Win32Form &>(*this).control(name);
}

Win32Form::Control *Win32Form::controlOf(HWND handle)
{
    const auto found = std::ranges::find(m_controls, handle, &Control::handle);
    return found == m_controls.end() ? nullptr : &*found;
}

std::u16string Win32Form::text(std::u16string_view name) const
{
    const Control &found = control(name);
    return IsOutputBox(*found.description) ? found.caption : WindowText(found.handle);
}

void Win32Form::setText(std::u16string_view name, std::u16string_view text)
{
    Control &found = control(name);
    if (IsOutputBox(*found.description)) {
        found.caption = text;
        showCaption(found);
        return;
    }
    const std::wstring value = Wide(text);
    if (found.description->kind == ControlKind::ComboBox) {
        // A text that is an entry of the list, exactly, also selects it, so that the list opens
        // on it. (The list's own search ignores case.)
        const auto count = static_cast<int>(SendMessageW(found.handle, CB_GETCOUNT, 0, 0));
        for (int entry = 0; entry < count; ++entry) {
            const auto length = SendMessageW(found.handle, CB_GETLBTEXTLEN, entry, 0);
            std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
            SendMessageW(found.handle, CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(item.data()));
            item.resize(static_cast<std::size_t>(length));
            if (item == value) {
                SendMessageW(found.handle, CB_SETCURSEL, entry, 0);
                return;
            }
        }
    }
    SetWindowTextW(found.handle, value.c_str());
}

// Shows the longest form of the output box's caption that fits, with the whole text in its
// tooltip when that is not all of it.
void Win32Form::showCaption(Control &output)
{
    RECT room{};
    SendMessageW(output.handle, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    HDC context = GetDC(output.handle);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(output.handle, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(context, font);
    const std::u16string shown
        = ShortenedNumber(output.caption, [&](std::u16string_view candidate) {
              const std::wstring wide = Wide(candidate);
              SIZE extent{};
              GetTextExtentPoint32W(context, wide.c_str(), static_cast<int>(wide.size()), &extent);
              return extent.cx <= room.right - room.left;
          });
    SelectObject(context, previous);
    ReleaseDC(output.handle, context);

    const std::wstring text = Wide(shown);
    SetWindowTextW(output.handle, text.c_str());
    showTooltip(output, shown == output.caption ? std::wstring() : Wide(output.caption));
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
    const std::wstring text = Wide(message);
    const std::wstring title(version::ApplicationName,
                             version::ApplicationName + std::strlen(version::ApplicationName));
    MessageBoxW(m_window, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void Win32Form::handleCommand(int id, int notification)
{
    const auto index = static_cast<std::size_t>(id - FirstControlId);
    if (!m_built || id < FirstControlId || index >= m_description.controls.size())
        return; // Enter and Escape arrive as IDOK and IDCANCEL: neither does anything
    const ControlDescription &description = m_description.controls[index];
    if (description.kind == ControlKind::TextBox && notification == EN_CHANGE)
        runHandlers(description.name, EventKind::Change);
    else if (description.kind == ControlKind::CommandButton && notification == BN_CLICKED)
        runHandlers(description.name, EventKind::Click);
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
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND window = m_window;
    switch (message) {
    case WM_COMMAND:
        handleCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        // Labels drawn in colours of their own: the output box in the window's colours.
        if (const Control *found = controlOf(reinterpret_cast<HWND>(lParam));
            found && found->description->background != SystemColour::ButtonFace) {
            auto *context = reinterpret_cast<HDC>(wParam);
            SetTextColor(context, GetSysColor(SystemColourIndex(found->description->foreground)));
            SetBkColor(context, GetSysColor(SystemColourIndex(found->description->background)));
            return reinterpret_cast<LRESULT>(
                GetSysColorBrush(SystemColourIndex(found->description->background)));
        }
        break;
    case WM_ACTIVATE:
        // As in a dialog: the focus leaves with the window and comes back to where it was, or
        // to the first control in the tab order, with a text box's text selected.
        if (LOWORD(wParam) == WA_INACTIVE) {
            m_focus = GetFocus();
        } else {
            HWND target = m_focus && IsChild(window, m_focus)
                ? m_focus
                : GetNextDlgTabItem(window, nullptr, FALSE);
            if (target) {
                SetFocus(target);
                if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                    SendMessageW(target, EM_SETSEL, 0, -1);
            }
        }
        return 0;
    case WM_DPICHANGED: {
        // The window keeps its client size in twips: the suggested rectangle is just that.
        m_dpi = HIWORD(wParam);
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOut();
        return 0;
    }
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
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tenvex
