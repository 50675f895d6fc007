// SPDX-License-Identifier: MIT
#include "form.h"

#include "error.h"

#include <exception>

namespace tenvex {

void RunHandler(Form &form, EventHandler handler) noexcept
{
    std::u16string message;
    try {
        handler(form);
        return;
    } catch (const Error &error) {
        message = ErrorMessage(error);
    } catch (...) {
        message = UnexpectedErrorMessage();
    }
    // Reported outside the catch: the report may run a nested event loop.
    form.reportError(message);
}

} // namespace tenvex
