// SPDX-License-Identifier: MIT
// Drives the real Tenvex.exe as an automation tool would: it starts the program, finds its
// window and controls by their numbers (ControlId of their place in the window description), sends
// them window messages and keys, reads them back, and reads the program file's version block.
//   win32_driver TENVEX.EXE
#include "control_ids.h"
#include "form_layout.h"
#include "main_window.h"
#include "prefix_conversion.h"

#include <windows.h>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

int Passed = 0;
int Failed = 0;

std::string Narrow(const std::wstring &text)
{
    const int size
        = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
    return narrow;
}

void Check(bool condition, const std::string &what)
{
    std::printf("%s: %s\n", condition ? "PASS" : "FAIL", what.c_str());
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

bool WaitFor(const std::function<bool()> &condition, std::chrono::milliseconds limit = 5s)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::wstring Text(HWND window)
{
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void SetText(HWND window, const std::wstring &text)
{
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring Wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t *>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The program's windows of a class: its main window or its message boxes.
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

// The text of a message box: its one static control that has text.
std::wstring MessageText(HWND box)
{
    std::wstring message;
    EnumChildWindows(box, FindMessage, reinterpret_cast<LPARAM>(&message));
    return message;
}

void PressKey(WORD key, bool shift = false)
{
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD code, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (shift)
        add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift)
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    std::this_thread::sleep_for(150ms);
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

    HWND control(std::u16string_view name) const
    {
        return m_controls[tenvex::ControlIndex(tenvex::MainWindow, name)];
    }

    HWND focused() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(m_process.dwThreadId, &info);
        // An editable combo box's edit field holds the focus for it.
        HWND parent = GetParent(info.hwndFocus);
        return parent && parent != m_window ? parent : info.hwndFocus;
    }

    void focus(HWND control) const
    {
        SetForegroundWindow(m_window);
        AttachThreadInput(GetCurrentThreadId(), m_process.dwThreadId, TRUE);
        SetFocus(control);
        AttachThreadInput(GetCurrentThreadId(), m_process.dwThreadId, FALSE);
        WaitFor([&] { return focused() == control; }, 2s);
    }

    std::vector<HWND> dialogs() const { return WindowsOf(m_process.dwProcessId, L"#32770"); }

    void convert(const std::wstring &input, const std::wstring &from, const std::wstring &to)
    {
        SetText(control(u"txtFrom"), input);
        SetText(control(u"cmbFromUnit"), from);
        SetText(control(u"cmbToUnit"), to);
        SendMessageW(control(u"cmdCalculate"), BM_CLICK, 0, 0);
    }

    std::wstring result() const { return Text(control(u"lblTo")); }

    std::wstring copiedResult() const
    {
        SendMessageW(control(u"lblTo"), WM_COPY, 0, 0);
        return ClipboardText();
    }

private:
    PROCESS_INFORMATION m_process;
    HWND m_window;
    std::vector<HWND> m_controls;
};

void CheckControls(const Driver &driver, HWND window)
{
    CheckEqual(Text(window), L"Orvid Tenvex", "window caption");
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

void CheckInitialState(const Driver &driver, HWND window)
{
    CheckEqual(Text(driver.control(u"txtFrom")), L"1", "input starts as 1");
    CheckEqual(Text(driver.control(u"cmbFromUnit")), L"Unit", "source prefix starts as Unit");
    CheckEqual(Text(driver.control(u"cmbToUnit")), L"Unit", "target prefix starts as Unit");
    CheckEqual(driver.result(), L"1", "result starts as 1");
    Check(WaitFor([&] { return driver.focused() == driver.control(u"txtFrom"); }, 2s),
          "the input has the focus when the window is shown");
    RECT outer{};
    GetWindowRect(window, &outer);
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
}

void CheckTabOrder(const Driver &driver)
{
    const std::vector<HWND> order{driver.control(u"txtFrom"), driver.control(u"cmbFromUnit"),
                                  driver.control(u"cmbToUnit"), driver.control(u"cmdCalculate")};
    for (const bool shift : {false, true}) {
        driver.focus(order.front());
        bool inOrder = driver.focused() == order.front();
        for (std::size_t step = 1; step <= order.size(); ++step) {
            PressKey(VK_TAB, shift);
            const std::size_t next
                = shift ? (order.size() - step) % order.size() : step % order.size();
            inOrder = inOrder && driver.focused() == order[next];
        }
        Check(inOrder,
              shift ? "Shift+Tab cycles the four controls backwards"
                    : "Tab cycles txtFrom, cmbFromUnit, cmbToUnit, cmdCalculate");
    }
}

void CheckEditingAndConversions(Driver &driver)
{
    driver.convert(L"1", L"Unit", L"Unit");
    CheckEqual(driver.result(), L"1", "a click with nothing changed shows 1");
    driver.focus(driver.control(u"txtFrom"));
    PostMessageW(driver.control(u"txtFrom"), WM_CHAR, L'5', 0);
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
        CheckEqual(driver.copiedResult(), row.whole, what + " is copied whole");
    }
    SendMessageW(driver.control(u"cmbFromUnit"), CB_SETCURSEL, 3, 0);
    CheckEqual(driver.result().substr(0, 4), L"-1.2", "changing a prefix keeps the result");
}

void CheckErrors(Driver &driver, HWND window)
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
        SetText(driver.control(u"cmbFromUnit"), row.from);
        SetText(driver.control(u"cmbToUnit"), row.to);
        if (std::wstring(row.input) != L"7")
            SetText(driver.control(u"txtFrom"), row.input);
        const std::wstring before = driver.result();
        PostMessageW(driver.control(u"cmdCalculate"), BM_CLICK, 0, 0);
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
        PostMessageW(dialogs.front(), WM_COMMAND, IDOK, 0);
        Check(WaitFor([&] { return driver.dialogs().empty(); }), what + ": the dialog closes");
        CheckEqual(driver.result(), before, what + ": the result is kept");
        Check(IsWindowVisible(window) != FALSE, what + ": the program goes on");
    }
}

void CheckEnterAndEscape(Driver &driver, HWND window)
{
    for (const char16_t *name : {u"txtFrom", u"cmbFromUnit", u"cmbToUnit", u"cmdCalculate"}) {
        driver.convert(L"1", L"Unit", L"Unit");
        SetText(driver.control(u"txtFrom"), L"5"); // the result is now empty
        driver.focus(driver.control(name));
        PressKey(VK_RETURN);
        PressKey(VK_ESCAPE);
        const std::string what = "Enter and Escape in " + Narrow(Wide(name));
        Check(driver.result().empty() && driver.dialogs().empty() && IsWindowVisible(window),
              what + " convert nothing and close nothing");
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
          std::pair{L"InternalName", L"Tenvex"}, std::pair{L"OriginalFilename", L"Tenvex.exe"}}) {
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
    const std::wstring program = argv[1];
    CheckVersionBlock(program);

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
    if (window) {
        Driver driver(process, window);
        CheckControls(driver, window);
        CheckInitialState(driver, window);
        CheckTabOrder(driver);
        CheckEditingAndConversions(driver);
        CheckErrors(driver, window);
        CheckEnterAndEscape(driver, window);
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
