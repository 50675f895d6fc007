// SPDX-License-Identifier: MIT
#include "form.h"

#include "error.h"

#include <cstdio>
#include <new>

namespace tenvex {

namespace {

void Report(Form &form, std::u16string_view message) noexcept
{
    try {
        form.reportError(message);
    } catch (...) {
        std::fputs("tenvex: an error could not be shown in the window\n", stderr);
    }
}

} // namespace

void detail::RunCaught(Form &form, void (*work)(Form &form, const void *context),
                       const void *context) noexcept
{
    std::u16string composed;
    std::u16string_view message;
    try {
        work(form, context);
        return;
    } catch (const Error &error) {
        try {
            composed = error.message();
            message = composed;
        } catch (...) {
            message = OutOfMemoryMessage();
        }
    } catch (const std::bad_alloc &) {
        message = OutOfMemoryMessage();
    } catch (...) {
        message = UnexpectedErrorMessage();
    }
    // Reported outside the catch: the report may run a nested event loop.
    Report(form, message);
}

void RunHandler(Form &form, EventHandler handler) noexcept
{
    detail::RunCaught(
        form,
        [](Form &target, const void *context) {
            (*static_cast<const EventHandler *>(context))(target);
        },
        &handler);
}

} // namespace tenvex
