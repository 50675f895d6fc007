// SPDX-License-Identifier: MIT
#include "form_error.h"

namespace tenvex {

FormError::FormError(FormErrorKind kind, std::u16string_view text)
    : Error(text)
    , m_kind(kind)
{}

const char *FormError::what() const noexcept
{
    return m_kind == FormErrorKind::NoSuchControl ? "no such control" : "text too long";
}

std::u16string FormError::message() const
{
    if (m_kind == FormErrorKind::NoSuchControl)
        return u"The window has no control named " + Quoted(text()) + u'.';
    const std::string limit = std::to_string(TextLengthLimit);
    return u"The " + text() + u" box holds at most " + std::u16string(limit.begin(), limit.end())
        + u" characters: the text was not put in, and the box keeps what it had.";
}

} // namespace tenvex
