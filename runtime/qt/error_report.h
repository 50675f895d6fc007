// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tenvex {

// Shows the user an error that ended an event handler. The default is a modal message box with
// the critical icon, titled with the application's name, over `window`.
using ErrorReporter = std::function<void(QWidget *window, const QString &message)>;

// Replaces the reporter (tests record errors instead of blocking on a dialog) and returns the
// one it replaces.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

void ReportError(QWidget *window, const QString &message);

} // namespace tenvex
