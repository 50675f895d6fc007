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
// have raises Error(NoSuchControl).
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

// Runs one event handler of `form`. This is the one place where errors are caught: whatever ends
// the handler is reported through the form and goes no further, so no exception ever reaches
// the platform's event loop.
void RunHandler(Form &form, EventHandler handler) noexcept;

} // namespace tenvex
