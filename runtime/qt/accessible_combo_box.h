// SPDX-License-Identifier: MIT
#pragma once

namespace tenvex {

// Makes screen readers read every editable combo box by its accessible name, with its text as
// its value and its line edit and list as its children. (Qt on Linux names an editable combo box
// after its current text, which would name both prefix boxes "Unit".) Safe to call again.
void InstallAccessibleComboBoxes();

} // namespace tenvex
