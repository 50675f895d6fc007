// SPDX-License-Identifier: MIT
#pragma once

#include "form_description.h"

namespace tenvex {

// The program's one window, frmTenvex: its controls and the three handlers bound to its events.
// All state lives in the controls.
extern const FormDescription MainWindow;

} // namespace tenvex
