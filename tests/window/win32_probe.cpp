// SPDX-License-Identifier: MIT
// Reads the real Tenvex.exe's window for the scenario runner, as screen readers and tools read a
// window: it starts the program and answers one command a line, each with one line of JSON. It
// never sends the window input: the runner's keys and mouse go through the X server.
//   start PROGRAM.exe      starts it and waits for its window
//   stop                   ends it
//   state                  what the window shows: input, from, to, result (as screen readers
//                          read it), dialog (the error dialog's message, or "none")
//   rect CONTROL           a control's place on the screen: x, y, width, height
//   entry CONTROL TEXT     the place of an entry of a prefix box's open list
//   button CAPTION         the place of the error dialog's button
//   heard                  the values screen readers were told of since the last "forget"
//   forget
#include "control_ids.h"
#include "form_layout.h"
#include "main_window.h"
#include "win32_reading.h"

#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <oleacc.h>
#include <string>
#include <vector>

using tenvex::testing::ClassOf;
using tenvex::testing::Narrow;
using tenvex::testing::Text;

namespace {

std::wstring Wide(const std::string &text)
{
    const int size
        = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Json(const std::wstring &text)
{
    std::string quoted = "\"";
    for (const char c : Narrow(text)) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

// What screen readers read as a control's value.
std::wstring AccessibleValue(HWND control)
{
    IAccessible *accessible = nullptr;
    std::wstring value;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void **>(&accessible))))
        return value;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (SUCCEEDED(accessible->get_accValue(self, &text)) && text)
        value.assign(text, SysStringLen(text));
    SysFreeString(text);
    accessible->Release();
    return value;
}

std::string Place(RECT rect)
{
    char place[80];
    std::snprintf(place, sizeof place, "[%ld, %ld, %ld, %ld]", rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top);
    return place;
}

DWORD Process = 0;
HWINEVENTHOOK ValueChanges = nullptr;
std::vector<std::wstring> Heard;

void CALLBACK RecordValueChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD)
{
    if (object == OBJID_CLIENT)
        Heard.push_back(AccessibleValue(window));
}

struct Search
{
    const wchar_t *className;
    HWND found = nullptr;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM parameter)
{
    auto &wanted = *reinterpret_cast<Search *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != Process || !IsWindowVisible(window) || ClassOf(window) != wanted.className)
        return TRUE;
    wanted.found = window;
    return FALSE;
}

// The program's visible top-level window of a class.
HWND TopLevel(const wchar_t *className)
{
    Search search{className};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A child of the error dialog: its message (the static control with text) or a button.
HWND DialogChild(HWND dialog, const wchar_t *className, const std::wstring &caption)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring text = Text(child);
        std::erase(text, L'&');
        if (!_wcsicmp(ClassOf(child).c_str(), className) && !text.empty()
            && (caption.empty() || text == caption))
            return child;
    }
    return nullptr;
}

HWND Control(const std::string &name)
{
    const std::wstring wide = Wide(name);
    const std::u16string_view view(reinterpret_cast<const char16_t *>(wide.data()), wide.size());
    return GetDlgItem(TopLevel(L"TenvexForm"),
                      tenvex::ControlId(tenvex::ControlIndex(tenvex::MainWindow, view)));
}

std::string State()
{
    HWND dialog = TopLevel(L"#32770");
    HWND message = dialog ? DialogChild(dialog, L"Static", L"") : nullptr;
    // The message as it reads: the no-break spaces that keep quoted names whole are spaces.
    std::wstring said = message ? Text(message) : L"none";
    std::ranges::replace(said, L'\u00A0', L' ');
    return "{\"input\": " + Json(Text(Control("txtFrom"))) + ", \"from\": "
        + Json(Text(Control("cmbFromUnit"))) + ", \"to\": " + Json(Text(Control("cmbToUnit")))
        + ", \"result\": " + Json(AccessibleValue(Control("lblTo"))) + ", \"dialog\": " + Json(said)
        + "}";
}

// A control's place; a combo box's is its field and arrow, not the list it reaches over, the
// field's edit control in the middle of it. (Messages that fill in a structure do not reach
// another program's controls under every system, so only window places are asked for.)
std::string ControlPlace(const std::string &name)
{
    HWND control = Control(name);
    RECT rect{};
    GetWindowRect(control, &rect);
    if (HWND field = FindWindowExW(control, nullptr, L"Edit", nullptr)) {
        RECT edit{};
        GetWindowRect(field, &edit);
        rect.bottom = edit.bottom + (edit.top - rect.top);
    }
    return Place(rect);
}

// An entry of the open list, a window of its own, by its place in the description's list: the
// entries are all the same height, from the list's top entry down.
std::string EntryPlace(const std::string &arguments)
{
    const std::size_t blank = arguments.find(' ');
    const std::wstring name = Wide(arguments.substr(0, blank));
    const std::wstring entry = Wide(arguments.substr(blank + 1));
    const auto &control = tenvex::MainWindow.controls[tenvex::ControlIndex(
        tenvex::MainWindow,
        std::u16string_view(reinterpret_cast<const char16_t *>(name.data()), name.size()))];
    const auto index
        = std::ranges::find(
              control.listEntries,
              std::u16string_view(reinterpret_cast<const char16_t *>(entry.data()), entry.size()))
        - control.listEntries.begin();
    HWND list = TopLevel(L"ComboLBox");
    if (!list)
        return "{\"error\": \"the list is not open\"}";
    const auto height = static_cast<LONG>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const auto top = static_cast<LONG>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    RECT rect{};
    GetClientRect(list, &rect);
    rect.top += (static_cast<LONG>(index) - top) * height;
    rect.bottom = rect.top + height;
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT *>(&rect), 2);
    return Place(rect);
}

std::string Start(const std::string &program)
{
    std::wstring command = L"\"" + Wide(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &created))
        return "{\"error\": \"cannot start it\"}";
    CloseHandle(created.hThread);
    CloseHandle(created.hProcess);
    Process = created.dwProcessId;
    Heard.clear();
    ValueChanges = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                   RecordValueChange, Process, 0, WINEVENT_OUTOFCONTEXT);
    for (int tries = 0; tries < 200 && !TopLevel(L"TenvexForm"); ++tries)
        Sleep(50);
    return TopLevel(L"TenvexForm") ? "{}" : "{\"error\": \"no window\"}";
}

std::string Stop()
{
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, Process)) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
    if (ValueChanges)
        UnhookWinEvent(ValueChanges);
    ValueChanges = nullptr;
    return "{}";
}

std::string Answer(const std::string &line)
{
    const std::size_t blank = line.find(' ');
    const std::string command = line.substr(0, blank);
    const std::string arguments = blank == std::string::npos ? "" : line.substr(blank + 1);
    if (command == "start")
        return Start(arguments);
    if (command == "stop")
        return Stop();
    if (command == "state")
        return State();
    if (command == "rect")
        return ControlPlace(arguments);
    if (command == "entry")
        return EntryPlace(arguments);
    if (command == "button") {
        HWND dialog = TopLevel(L"#32770");
        HWND button = dialog ? DialogChild(dialog, L"Button", Wide(arguments)) : nullptr;
        RECT rect{};
        return button && GetWindowRect(button, &rect) ? Place(rect)
                                                      : "{\"error\": \"no such button\"}";
    }
    if (command == "heard") {
        std::wstring said;
        for (const std::wstring &value : Heard) {
            if (!said.empty())
                said += L" | ";
            said += value;
        }
        return Json(said);
    }
    if (command == "forget") {
        Heard.clear();
        return "{}";
    }
    return "{\"error\": \"unknown command\"}";
}

} // namespace

int main()
{
    CoInitialize(nullptr);
    std::string line;
    while (std::getline(std::cin, line)) {
        // The value changes the program announced, delivered as messages of this thread.
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        std::printf("%s\n", Answer(line).c_str());
        std::fflush(stdout);
    }
    return 0;
}
