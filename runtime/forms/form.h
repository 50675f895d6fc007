// SPDX-License-Identifier: MIT
#pragma once

#include "form_description.h"

#include <string>
#include <string_view>

namespace tenvex {

struct TwipsSize
{
    float width;
    float height;
};

// The window as its event handlers see it, built by the platform from its description. Sizes and
// positions are in twips, in single precision; positions are measured from the top-left corner
// of the primary screen. A control is named as in the description; a name the window does not
// have raises FormError(NoSuchControl).
class Form
{
public:
    virtual ~Form() = default;

    // The text of a text box or combo box, or the caption of a label, frame or button.
    [[nodiscard]] virtual std::u16string text(std::u16string_view control) const = 0;
    virtual void setText(std::u16string_view control, std::u16string_view text) = 0;

    // The window with its frame, as the window manager draws it.
    [[nodiscard]] virtual TwipsSize outerSize() const = 0;
    virtual void setLeft(float left) = 0;
    virtual void setTop(float top) = 0;

    [[nodiscard]] virtual TwipsSize screenSize() const = 0;

    // Shows the user the message of an error that ended a handler; the program goes on.
    virtual void reportError(std::u16string_view message) = 0;

protected:
    Form() = default;
    Form(const Form &) = default;
    Form &operator=(const Form &) = default;
};

namespace detail {

// The one place where errors are caught: whatever ends `work` is reported through the form and
// goes no further. A message that cannot be composed (for want of memory) is replaced by a fixed
// one, and a report that cannot be shown is written to the standard error stream.
void RunCaught(Form &form, void (*work)(Form &form, const void *context),
               const void *context) noexcept;

} // namespace detail

// Runs one event handler of `form`, so that no exception ever reaches the platform's event loop.
void RunHandler(Form &form, EventHandler handler) noexcept;

// Runs code of ours that the platform calls outside any handler (a resize, a repaint, a context
// menu), catching and reporting as RunHandler does.
template<typename Work>
void RunGuarded(Form &form, const Work &work) noexcept
{
    detail::RunCaught(
        form, [](Form &, const void *context) { (*static_cast<const Work *>(context))(); }, &work);
}

} // namespace tenvex
