// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tenvex {

// Shows the user an error that ended an event handler of `window`. Tests give a window one that
// records the errors instead of blocking on a dialog.
using ErrorReporter = std::function<void(QWidget *window, const QString &message)>;

// The report a user sees: a modal message box over the window, with the critical icon, titled
// with the application's name, the message shown as plain text.
void ShowErrorMessage(QWidget *window, const QString &message);

} // namespace tenvex
