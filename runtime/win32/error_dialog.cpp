// SPDX-License-Identifier: MIT
#include "error_dialog.h"

#include "version.h"
#include "win32_text.h"

#include <cstring>
#include <string>

namespace tenvex {

void ShowErrorDialog(HWND owner, std::u16string_view message)
{
    const std::wstring title(version::ApplicationName,
                             version::ApplicationName + std::strlen(version::ApplicationName));
    MessageBoxW(owner, Wide(message).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace tenvex
