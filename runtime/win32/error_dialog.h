// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>
#include <string_view>

namespace tenvex {

// The report a user sees of an error: a modal message box over `owner` (or over nothing), with
// the error icon and an OK button, titled with the application's name.
void ShowErrorDialog(HWND owner, std::u16string_view message);

} // namespace tenvex
