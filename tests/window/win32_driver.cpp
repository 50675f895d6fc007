// SPDX-License-Identifier: MIT
// Drives the real Tenvex.exe as a user does: it starts the program, finds its window and controls
// by their numbers (ControlId of their place in the window description), and then clicks, types,
// pastes and presses keys through the system's input queue (SendInput), reads what the window
// shows, what screen readers read (IAccessible) and hear (WinEvents), what lands on the
// clipboard and what is drawn on the screen; and it reads the program file's version block.
//   win32_driver TENVEX.EXE
#include "control_ids.h"
#include "form_layout.h"
#include "main_window.h"
#include "prefix_conversion.h"
#include "win32_reading.h"

#include <windows.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <oleacc.h>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

using tenvex::testing::ClassOf;
using tenvex::testing::Narrow;
using tenvex::testing::Text;

namespace {

int Passed = 0;
int Failed = 0;

std::wstring Wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

void Check(bool condition, const std::string &what)
{
    std::printf("%s: %s\n", condition ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
    ++(condition ? Passed : Failed);
}

void CheckEqual(const std::wstring &actual, const std::wstring &expected, const std::string &what)
{
    Check(actual == expected,
          what
              + (actual == expected
                     ? ""
                     : " (\"" + Narrow(actual) + "\", not \"" + Narrow(expected) + "\")"));
}

// Waits for a condition, handling this thread's messages meanwhile: WinEvents arrive as such.
bool WaitFor(const std::function<bool()> &condition, std::chrono::milliseconds limit = 5s)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *units = static_cast<const wchar_t *>(GlobalLock(data))) {
            text = units;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const std::wstring &text)
{
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (auto *target = static_cast<wchar_t *>(GlobalLock(memory))) {
        std::copy(text.c_str(), text.c_str() + text.size() + 1, target);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
    }
    CloseClipboard();
}

// The program's windows of a class: its main window, its message boxes or its menus.
struct WindowSearch
{
    DWORD process;
    const wchar_t *className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter)
{
    auto &search = *reinterpret_cast<WindowSearch *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process && IsWindowVisible(window) && ClassOf(window) == search.className)
        search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> WindowsOf(DWORD process, const wchar_t *className)
{
    WindowSearch search{process, className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindMessage(HWND child, LPARAM parameter)
{
    if (ClassOf(child) == L"Static" && !Text(child).empty()) {
        *reinterpret_cast<std::wstring *>(parameter) = Text(child);
        return FALSE;
    }
    return TRUE;
}

// The text of a message box, as it reads: its one static control that has text, the no-break
// spaces that keep quoted names whole read as spaces.
std::wstring MessageText(HWND box)
{
    std::wstring message;
    EnumChildWindows(box, FindMessage, reinterpret_cast<LPARAM>(&message));
    std::ranges::replace(message, L'\u00A0', L' ');
    return message;
}

// What a screen reader reads of a control: its name and its value.
struct Accessible
{
    bool found = false;
    std::wstring name;
    std::wstring value;
};

Accessible ReadAccessible(HWND control)
{
    Accessible read;
    IAccessible *accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void **>(&accessible))))
        return read;
    read.found = true;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &text)) && text)
        read.name = text;
    SysFreeString(text);
    text = nullptr;
    if (SUCCEEDED(accessible->get_accValue(self, &text)) && text)
        read.value = text;
    SysFreeString(text);
    accessible->Release();
    return read;
}

// Value changes the program announces, as a screen reader hears them.
std::vector<HWND> ValueChanges;

void CALLBACK RecordValueChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                                DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        ValueChanges.push_back(window);
}

// Keys and the mouse, as the user presses and moves them.
void Send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT Key(WORD key, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    return input;
}

class Driver
{
public:
    Driver(const PROCESS_INFORMATION &process, HWND window)
        : m_process(process)
        , m_window(window)
    {
        for (std::size_t place = 0; place < tenvex::MainWindow.controls.size(); ++place)
            m_controls.push_back(GetDlgItem(window, tenvex::ControlId(place)));
    }

    [[nodiscard]] HWND window() const { return m_window; }

    [[nodiscard]] HWND control(std::u16string_view name) const
    {
        return m_controls[tenvex::ControlIndex(tenvex::MainWindow, name)];
    }

    // A combo box's edit field, where its text is typed and which has the focus for it: its
    // child window. (GetComboBoxInfo does not reach into another process.)
    [[nodiscard]] HWND field(std::u16string_view name) const
    {
        return FindWindowExW(control(name), nullptr, L"Edit", nullptr);
    }

    // The window with the keyboard focus, as the program's thread has it.
    [[nodiscard]] HWND focusedWindow() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(m_process.dwThreadId, &info) != FALSE ? info.hwndFocus : nullptr;
    }

    // The control with the focus; a combo box's for its edit field.
    [[nodiscard]] HWND focused() const
    {
        HWND focus = focusedWindow();
        HWND parent = GetParent(focus);
        return parent && parent != m_window ? parent : focus;
    }

    [[nodiscard]] std::vector<HWND> dialogs() const
    {
        return WindowsOf(m_process.dwProcessId, L"#32770");
    }
    [[nodiscard]] std::vector<HWND> menus() const
    {
        return WindowsOf(m_process.dwProcessId, L"#32768");
    }

    // Waits until the program has handled what it was sent.
    void settle() const
    {
        WaitForInputIdle(m_process.hProcess, 2000);
        std::this_thread::sleep_for(60ms);
        WaitForInputIdle(m_process.hProcess, 2000);
    }

    void press(WORD key, std::initializer_list<WORD> modifiers = {}, bool extended = false) const
    {
        std::vector<INPUT> inputs;
        for (const WORD modifier : modifiers)
            inputs.push_back(Key(modifier, 0));
        const DWORD extendedFlag = extended ? KEYEVENTF_EXTENDEDKEY : 0;
        inputs.push_back(Key(key, extendedFlag));
        inputs.push_back(Key(key, extendedFlag | KEYEVENTF_KEYUP));
        for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier)
            inputs.push_back(Key(*modifier, KEYEVENTF_KEYUP));
        Send(inputs);
        settle();
    }

    void type(const std::wstring &text) const
    {
        for (const wchar_t unit : text) {
            INPUT down{};
            down.type = INPUT_KEYBOARD;
            down.ki.wScan = static_cast<WORD>(unit);
            down.ki.dwFlags = KEYEVENTF_UNICODE;
            INPUT up = down;
            up.ki.dwFlags |= KEYEVENTF_KEYUP;
            Send({down, up});
        }
        settle();
    }

    void click(HWND target, bool right = false) const
    {
        RECT rect{};
        GetWindowRect(target, &rect);
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = MulDiv((rect.left + rect.right) / 2, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        move.mi.dy = MulDiv((rect.top + rect.bottom) / 2, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        INPUT down = move;
        down.mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        INPUT up = move;
        up.mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
        Send({move, down, up});
        settle();
    }

    // Gives a button the focus without pressing it, as a user can: the mouse button pressed on
    // it, the pointer moved off it, and the mouse button let go there.
    void focusWithoutPressing(HWND button) const
    {
        RECT rect{};
        GetWindowRect(button, &rect);
        const auto at = [](LONG x, LONG y, DWORD flags) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
            input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
            input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
            return input;
        };
        const LONG middle = (rect.top + rect.bottom) / 2;
        Send({at((rect.left + rect.right) / 2, middle, MOUSEEVENTF_LEFTDOWN)});
        settle();
        Send({at(rect.right + 40, rect.bottom + 40, 0)});
        Send({at(rect.right + 40, rect.bottom + 40, MOUSEEVENTF_LEFTUP)});
        settle();
    }

    // Replaces a field's text as a user does: a click into it, Ctrl+A, and typing.
    // A list that has just closed can still hold the mouse capture, and the first click then
    // only releases it: the click is repeated until the field has the focus.
    void replaceText(HWND field, const std::wstring &text) const
    {
        click(field);
        for (int again = 0; again < 2 && focusedWindow() != field; ++again)
            click(field);
        press('A', {VK_CONTROL});
        if (text.empty())
            press(VK_DELETE);
        else
            type(text);
    }

    void convert(const std::wstring &input, const std::wstring &from, const std::wstring &to) const
    {
        replaceText(control(u"txtFrom"), input);
        replaceText(field(u"cmbFromUnit"), from);
        replaceText(field(u"cmbToUnit"), to);
        click(control(u"cmdCalculate"));
    }

    [[nodiscard]] std::wstring result() const { return Text(control(u"lblTo")); }

    // The result as Ctrl+C copies it from the result box.
    [[nodiscard]] std::wstring copiedResult() const
    {
        SetClipboardText(L"");
        click(control(u"lblTo"));
        press('C', {VK_CONTROL});
        return ClipboardText();
    }

private:
    PROCESS_INFORMATION m_process;
    HWND m_window;
    std::vector<HWND> m_controls;
};

void CheckControls(const Driver &driver)
{
    CheckEqual(Text(driver.window()), L"Orvid Tenvex", "window caption");
    for (const tenvex::ControlDescription &description : tenvex::MainWindow.controls) {
        HWND control = driver.control(description.name);
        const std::string name = Narrow(Wide(description.name));
        Check(control != nullptr, "control " + name + " found");
        if (!control)
            continue;
        const wchar_t *expected = L"Static";
        switch (description.kind) {
        case tenvex::ControlKind::Label:
            expected = tenvex::IsOutputBox(description) ? L"Edit" : L"Static";
            break;
        case tenvex::ControlKind::Frame:
        case tenvex::ControlKind::CommandButton:
            expected = L"Button";
            break;
        case tenvex::ControlKind::TextBox:
            expected = L"Edit";
            break;
        case tenvex::ControlKind::ComboBox:
            expected = L"ComboBox";
            break;
        }
        CheckEqual(ClassOf(control), expected, name + " is a " + Narrow(expected));
    }
}

void CheckInitialState(const Driver &driver)
{
    CheckEqual(Text(driver.control(u"txtFrom")), L"1", "input starts as 1");
    CheckEqual(Text(driver.control(u"cmbFromUnit")), L"Unit", "source prefix starts as Unit");
    CheckEqual(Text(driver.control(u"cmbToUnit")), L"Unit", "target prefix starts as Unit");
    CheckEqual(driver.result(), L"1", "result starts as 1");
    Check(WaitFor([&] { return driver.focused() == driver.control(u"txtFrom"); }, 2s),
          "the input has the focus when the window is shown");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(driver.control(u"txtFrom"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    Check(start == 0 && end == 1, "the input's 1 is selected");
    RECT outer{};
    GetWindowRect(driver.window(), &outer);
    const int dx = (outer.left + outer.right) - GetSystemMetrics(SM_CXSCREEN);
    const int dy = (outer.top + outer.bottom) - GetSystemMetrics(SM_CYSCREEN);
    Check(dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1, "window centred on the primary screen");
    for (const char16_t *name : {u"cmbFromUnit", u"cmbToUnit"}) {
        HWND box = driver.control(name);
        std::vector<std::wstring> entries;
        const auto count = SendMessageW(box, CB_GETCOUNT, 0, 0);
        for (LRESULT entry = 0; entry < count; ++entry) {
            const auto length = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(entry), 0);
            std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
            SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(entry),
                         reinterpret_cast<LPARAM>(item.data()));
            item.resize(static_cast<std::size_t>(length));
            entries.push_back(item);
        }
        std::vector<std::wstring> expected;
        for (const std::u16string_view entry : tenvex::ListedPrefixNames)
            expected.push_back(Wide(entry));
        Check(entries == expected, Narrow(Wide(name)) + " lists the ten prefixes in order");
    }
    // Typed at once, a number replaces the selected 1.
    driver.type(L"2.5");
    CheckEqual(Text(driver.control(u"txtFrom")), L"2.5", "typing at once replaces the 1");
}

void CheckTabOrder(const Driver &driver)
{
    const std::vector<HWND> order{driver.control(u"txtFrom"), driver.control(u"cmbFromUnit"),
                                  driver.control(u"cmbToUnit"), driver.control(u"cmdCalculate")};
    for (const bool shift : {false, true}) {
        driver.click(order.front());
        bool inOrder = driver.focused() == order.front();
        for (std::size_t step = 1; step <= order.size(); ++step) {
            driver.press(VK_TAB,
                         shift ? std::initializer_list<WORD>{VK_SHIFT}
                               : std::initializer_list<WORD>{});
            const std::size_t next
                = shift ? (order.size() - step) % order.size() : step % order.size();
            inOrder = inOrder && driver.focused() == order[next];
        }
        Check(inOrder,
              shift ? "Shift+Tab cycles the four controls backwards"
                    : "Tab cycles txtFrom, cmbFromUnit, cmbToUnit, cmdCalculate");
    }
}

void CheckEditingAndConversions(const Driver &driver)
{
    driver.convert(L"1", L"Unit", L"Unit");
    CheckEqual(driver.result(), L"1", "a click with nothing changed shows 1");
    driver.click(driver.control(u"txtFrom"));
    driver.type(L"5");
    Check(WaitFor([&] { return driver.result().empty(); }),
          "typing into the input clears the result");

    struct Row
    {
        const wchar_t *input, *from, *to, *shown, *whole;
    };
    for (const Row &row :
         {Row{L"2.5", L"Kilo (K)", L"milli (m)", L"2500000", L"2500000"},
          Row{L"1", L"Unit", L"pico (p)", L"1000000000000", L"1000000000000"},
          Row{L"5", L"deci (d)", L"Unit", L"0.5", L"0.5"},
          Row{L"-1.23456789012345e-300", L"Unit", L"Unit", nullptr, L"-1.23456789012345E-300"}}) {
        driver.convert(row.input, row.from, row.to);
        const std::string what
            = Narrow(row.input) + " from " + Narrow(row.from) + " to " + Narrow(row.to);
        if (row.shown)
            CheckEqual(driver.result(), row.shown, what + " shows its result");
        else
            Check(driver.result().find(L'\x2026') != std::wstring::npos,
                  what + " is shortened visibly: " + Narrow(driver.result()));
        CheckEqual(driver.copiedResult(), row.whole, what + " is copied whole with Ctrl+C");
    }
    driver.click(driver.field(u"cmbFromUnit"));
    driver.press(VK_DOWN);
    CheckEqual(driver.result().substr(0, 4), L"-1.2", "changing a prefix keeps the result");
}

void CheckErrors(const Driver &driver)
{
    struct Row
    {
        const wchar_t *input, *from, *to, *reported;
    };
    for (const Row &row :
         {Row{L"1e300", L"Tera (T)", L"Unit", L"too large"},
          Row{L"5", L"kilo (k)", L"Unit", L"\"kilo (k)\""},
          Row{L"1,5", L"Unit", L"Unit", L"\"1,5\""}, Row{L"abc", L"Unit", L"Unit", L"\"abc\""}}) {
        driver.convert(L"7", L"Unit", L"Unit");
        driver.replaceText(driver.field(u"cmbFromUnit"), row.from);
        driver.replaceText(driver.field(u"cmbToUnit"), row.to);
        if (std::wstring(row.input) != L"7")
            driver.replaceText(driver.control(u"txtFrom"), row.input);
        const std::wstring before = driver.result();
        driver.click(driver.control(u"cmdCalculate"));
        const std::string what = "error for " + Narrow(row.input) + " from " + Narrow(row.from);
        Check(WaitFor([&] { return !driver.dialogs().empty(); }), what + ": a dialog");
        std::this_thread::sleep_for(300ms);
        const std::vector<HWND> dialogs = driver.dialogs();
        Check(dialogs.size() == 1, what + ": exactly one dialog");
        if (dialogs.empty())
            continue;
        CheckEqual(Text(dialogs.front()), L"Tenvex", what + ": titled with the program's name");
        const std::wstring message = MessageText(dialogs.front());
        Check(message.find(row.reported) != std::wstring::npos,
              what + ": says " + Narrow(row.reported) + " (" + Narrow(message) + ")");
        driver.press(VK_RETURN); // the message box's OK
        Check(WaitFor([&] { return driver.dialogs().empty(); }), what + ": the dialog closes");
        CheckEqual(driver.result(), before, what + ": the result is kept");
        Check(IsWindowVisible(driver.window()) != FALSE, what + ": the program goes on");
    }
}

// Neither Enter nor keypad Enter nor Escape does anything, however the focus got where it is:
// the dialog manager makes a push button the default one once Tab brings it the focus.
void CheckEnterAndEscape(const Driver &driver)
{
    const std::vector<const char16_t *> order{u"txtFrom", u"cmbFromUnit", u"cmbToUnit",
                                              u"cmdCalculate"};
    for (std::size_t place = 0; place < order.size(); ++place) {
        for (const bool byTab : {false, true}) {
            driver.convert(L"1", L"Unit", L"Unit");
            driver.replaceText(driver.control(u"txtFrom"), L"5"); // the result is now empty
            if (byTab) {
                for (std::size_t step = 0; step < place; ++step)
                    driver.press(VK_TAB);
            } else if (place == order.size() - 1) {
                driver.focusWithoutPressing(driver.control(order[place]));
            } else {
                const std::u16string_view name = order[place];
                driver.click(name == u"txtFrom" ? driver.control(name) : driver.field(name));
            }
            const bool focused = driver.focused() == driver.control(order[place]);
            driver.press(VK_RETURN);
            driver.press(VK_RETURN, {}, true); // keypad Enter
            driver.press(VK_ESCAPE);
            const auto style = GetWindowLongW(driver.control(u"cmdCalculate"), GWL_STYLE);
            const std::string what = "Enter, keypad Enter and Escape in "
                + Narrow(Wide(order[place]))
                + (byTab ? ", reached with Tab," : ", reached with the mouse,");
            Check(focused && driver.result().empty() && driver.dialogs().empty()
                      && IsWindowVisible(driver.window()) && (style & BS_DEFPUSHBUTTON) == 0,
                  what + " convert nothing and close nothing");
        }
    }
}

// A name typed into a prefix box stays as typed when the list is opened and closed, in any way,
// unless an entry is picked: the list's own search would put "Mega (M)" in place of "m".
void CheckTypedPrefixStaysAsTyped(const Driver &driver)
{
    struct Close
    {
        const char *name;
        WORD key;
        bool alt;
    };
    const std::vector<Close> closes{{"Escape", VK_ESCAPE, false},
                                    {"Enter", VK_RETURN, false},
                                    {"Alt+Up", VK_UP, true},
                                    {"Tab", VK_TAB, false}};
    for (const wchar_t *typed : {L"m", L"Ki", L"kilo (k)"}) {
        for (const Close &close : closes) {
            driver.replaceText(driver.field(u"cmbFromUnit"), typed);
            driver.press(VK_DOWN, {VK_MENU}); // Alt+Down opens the list
            if (close.alt)
                driver.press(close.key, {VK_MENU});
            else
                driver.press(close.key);
            CheckEqual(Text(driver.control(u"cmbFromUnit")), typed,
                       Narrow(typed) + ", the list opened and closed with " + close.name
                           + ", stays as typed");
        }
    }
    driver.replaceText(driver.field(u"cmbFromUnit"), L"m");
    driver.press(VK_DOWN, {VK_MENU});
    driver.press(VK_DOWN);
    driver.press(VK_RETURN);
    const std::wstring picked = Text(driver.control(u"cmbFromUnit"));
    Check(picked != L"m" && !picked.empty(),
          "an entry picked in the list replaces the typed text (" + Narrow(picked) + ")");
}

// A pasted text keeps every line: a second line cut off would be converted without a word.
void CheckPasteKeepsEveryLine(const Driver &driver)
{
    driver.convert(L"7", L"Mega (M)", L"Unit");
    SetClipboardText(L"1\r\n000");
    driver.click(driver.control(u"txtFrom"));
    driver.press('A', {VK_CONTROL});
    driver.press('V', {VK_CONTROL});
    CheckEqual(Text(driver.control(u"txtFrom")), L"1 000", "a two-line paste keeps both lines");
    driver.click(driver.control(u"cmdCalculate"));
    Check(WaitFor([&] { return !driver.dialogs().empty(); }),
          "the pasted two lines are refused, not converted as their first");
    driver.press(VK_RETURN);
    WaitFor([&] { return driver.dialogs().empty(); });
    CheckEqual(driver.result(), L"", "no result from the pasted two lines");
}

// What screen readers read of each control, and hear when a result is shown.
void CheckAccessibility(const Driver &driver)
{
    struct Row
    {
        const char16_t *control;
        const wchar_t *name;
    };
    for (const Row &row : {Row{u"txtFrom", L"Quantity"}, Row{u"cmbFromUnit", L"From prefix"},
                           Row{u"cmbToUnit", L"To prefix"}, Row{u"lblTo", L"Result"}}) {
        const Accessible read = ReadAccessible(driver.control(row.control));
        Check(read.found, Narrow(Wide(row.control)) + " has an accessible object");
        CheckEqual(read.name, row.name, Narrow(Wide(row.control)) + " is read by its name");
    }
    for (const char16_t *box : {u"cmbFromUnit", u"cmbToUnit"}) {
        const Accessible field = ReadAccessible(driver.field(box));
        CheckEqual(field.name, ReadAccessible(driver.control(box)).name,
                   Narrow(Wide(box)) + "'s edit field, which has the focus, is read by its name");
    }

    DWORD process = 0;
    GetWindowThreadProcessId(driver.window(), &process);
    HWINEVENTHOOK hook
        = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                          RecordValueChange, process, 0, WINEVENT_OUTOFCONTEXT);
    ValueChanges.clear();
    driver.convert(L"1234567890123456", L"Unit", L"Unit");
    const HWND result = driver.control(u"lblTo");
    Check(WaitFor([&] { return std::ranges::find(ValueChanges, result) != ValueChanges.end(); }),
          "a new result is announced as a change of the result's value");
    UnhookWinEvent(hook);
    const Accessible read = ReadAccessible(result);
    CheckEqual(read.value, L"1.23456789012346E+15", "the result's value is its whole text");
    Check(driver.result() != read.value, "... although the box shows it shortened");
}

// Copy in the result's context menu, for every result, copies it whole.
void CheckContextMenuCopy(const Driver &driver)
{
    for (const wchar_t *input : {L"2500000", L"-1.23456789012345e-300"}) {
        driver.convert(input, L"Unit", L"Unit");
        SetClipboardText(L"");
        driver.click(driver.control(u"lblTo"), true);
        const bool menu = WaitFor([&] { return !driver.menus().empty(); });
        driver.press('C'); // the menu's &Copy
        const std::wstring whole = ReadAccessible(driver.control(u"lblTo")).value;
        Check(menu && WaitFor([&] { return ClipboardText() == whole; }, 2s),
              "Copy in the context menu copies " + Narrow(whole) + " whole");
        if (!driver.menus().empty())
            driver.press(VK_ESCAPE);
    }
}

// How many pixels of a colour a control shows on the screen, in the top `share` of it.
int PixelsOfColour(HWND control, COLORREF colour, double share = 1.0)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    rect.bottom = rect.top + static_cast<LONG>((rect.bottom - rect.top) * share);
    HDC screen = GetDC(nullptr);
    int count = 0;
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        for (LONG x = rect.left; x < rect.right; ++x)
            count += GetPixel(screen, x, y) == colour ? 1 : 0;
    }
    ReleaseDC(nullptr, screen);
    return count;
}

// The user's colours for button text and window text, told apart: a program reads them as it
// starts, so they are set before the program starts and put back once it has.
constexpr COLORREF ButtonText = RGB(0, 128, 0);
constexpr COLORREF WindowText = RGB(192, 0, 0);

class UserColours
{
public:
    UserColours()
    {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Colors", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &m_key, nullptr);
        for (Colour &colour : m_colours) {
            wchar_t value[32]{};
            DWORD size = sizeof value;
            colour.existed = RegQueryValueExW(m_key, colour.name, nullptr, nullptr,
                                              reinterpret_cast<BYTE *>(value), &size)
                == ERROR_SUCCESS;
            colour.previous = value;
            Set(colour.name, colour.test);
        }
    }
    UserColours(const UserColours &) = delete;
    UserColours &operator=(const UserColours &) = delete;
    ~UserColours() { restore(); }

    void restore()
    {
        if (!m_key)
            return;
        for (const Colour &colour : m_colours) {
            if (colour.existed)
                Set(colour.name, colour.previous);
            else
                RegDeleteValueW(m_key, colour.name);
        }
        RegCloseKey(m_key);
        m_key = nullptr;
    }

private:
    struct Colour
    {
        const wchar_t *name;
        std::wstring test;
        bool existed = false;
        std::wstring previous;
    };

    void Set(const wchar_t *name, const std::wstring &value)
    {
        RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    HKEY m_key = nullptr;
    Colour m_colours[2]{{L"ButtonText", L"0 128 0", false, {}},
                        {L"WindowText", L"192 0 0", false, {}}};
};

// Captions are drawn in the button text's colour the description gives, not the window text's.
void CheckCaptionColours(const Driver &driver)
{
    // A frame's caption is in the top quarter of it, above the controls placed over the frame.
    for (const auto &[caption, share] :
         {std::pair{u"Label1", 1.0}, std::pair{u"Frame1", 0.25}, std::pair{u"Frame2", 0.25}}) {
        const HWND control = driver.control(caption);
        const int buttonText = PixelsOfColour(control, ButtonText, share);
        const int windowText = PixelsOfColour(control, WindowText, share);
        Check(buttonText > 20 && windowText == 0,
              Narrow(Wide(caption)) + "'s caption in the button text's colour ("
                  + std::to_string(buttonText) + " pixels, " + std::to_string(windowText)
                  + " in the window text's)");
    }
}

void CheckVersionBlock(const std::wstring &program)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &handle);
    std::vector<char> block(size);
    Check(size > 0 && GetFileVersionInfoW(program.c_str(), 0, size, block.data()),
          "the program file has a version block");
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void **>(&fixed), &length) && fixed)
        Check(fixed->dwFileVersionMS == 0x00010000 && fixed->dwFileVersionLS == 0
                  && fixed->dwProductVersionMS == 0x00010000 && fixed->dwProductVersionLS == 0,
              "file and product version 1.0.0.0");
    for (const auto &[key, value] :
         {std::pair{L"FileVersion", L"1.00"}, std::pair{L"ProductVersion", L"1.00"},
          std::pair{L"CompanyName", L"Orvid"}, std::pair{L"ProductName", L"Tenvex"},
          std::pair{L"InternalName", L"Tenvex"}, std::pair{L"OriginalFilename", L"Tenvex.exe"},
          std::pair{L"FileDescription", L"Tenvex"},
          std::pair{L"LegalCopyright", L"Copyright (c) 2026 Orvid"}}) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
        wchar_t *text = nullptr;
        const bool found
            = VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void **>(&text), &length)
            && text;
        CheckEqual(found ? std::wstring(text) : std::wstring(), value, Narrow(key));
    }
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::fputs("usage: win32_driver TENVEX.EXE\n", stderr);
        return 2;
    }
    CoInitialize(nullptr);
    const std::wstring program = argv[1];
    CheckVersionBlock(program);

    UserColours colours;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        std::fputs("FAIL: the program does not start\n", stderr);
        return 1;
    }
    HWND window = nullptr;
    WaitFor(
        [&] {
            const std::vector<HWND> windows = WindowsOf(process.dwProcessId, L"TenvexForm");
            window = windows.empty() ? nullptr : windows.front();
            return window != nullptr;
        },
        30s);
    Check(window != nullptr, "the program shows its window");
    colours.restore();
    if (window) {
        Driver driver(process, window);
        driver.settle();
        CheckControls(driver);
        CheckInitialState(driver);
        CheckTabOrder(driver);
        CheckEditingAndConversions(driver);
        CheckErrors(driver);
        CheckEnterAndEscape(driver);
        CheckTypedPrefixStaysAsTyped(driver);
        CheckPasteKeepsEveryLine(driver);
        CheckAccessibility(driver);
        CheckContextMenuCopy(driver);
        CheckCaptionColours(driver);
        PostMessageW(window, WM_CLOSE, 0, 0);
        DWORD status = 1;
        Check(WaitForSingleObject(process.hProcess, 10'000) == WAIT_OBJECT_0
                  && GetExitCodeProcess(process.hProcess, &status) && status == 0,
              "closing the window ends the program with status 0");
    }
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("%d passed, %d failed\n", Passed, Failed);
    return Failed == 0 ? 0 : 1;
}
