// SPDX-License-Identifier: MIT
#pragma once

namespace tenvex {

// How screen readers read the window's own kinds of controls. Safe to call again.
//   - An editable combo box by its accessible name, with its text as its value and its line edit
//     and list as its children. (Qt on Linux names an editable combo box after its current text,
//     which would name both prefix boxes "Unit".)
//   - The result by its accessible name, with its whole caption as its description and as the
//     text of its text interface, however little of it the label shows.
void InstallAccessibleInterfaces();

} // namespace tenvex
