// SPDX-License-Identifier: MIT
#pragma once

#include "form_description.h"

namespace tenvex {

// Start-up, supplied by the platform back end the program is linked with: builds the window from
// its description, runs its load event, shows it and dispatches its events until it is closed.
// Returns the program's exit status.
int RunApplication(int &argc, char **argv, const FormDescription &description);

} // namespace tenvex
