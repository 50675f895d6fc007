// SPDX-License-Identifier: MIT
#pragma once

namespace tenvex {

// Prefers the window description's font where the system has it and, where it has not, the
// nearest sans-serif face, chosen on purpose rather than left to the font system's fallback.
void InstallFontSubstitutes();

} // namespace tenvex
