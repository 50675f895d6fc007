// SPDX-License-Identifier: MIT
#pragma once

#include "error.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tenvex {

// The most UTF-16 units a text box holds: far beyond any quantity (the longest number written in
// full has 767 significant digits), and few enough that every platform's box stays responsive.
// A change that would go beyond it is refused whole, and the box keeps its text.
inline constexpr std::size_t TextLengthLimit = 250'000;

// What went wrong between a handler and its window.
enum class FormErrorKind {
    NoSuchControl, // a handler asked for a control the window does not have; text is its name
    TextTooLong,   // a change would make a text box's text longer than it may be; text is the
                   // box's name as the user knows it
};

class FormError final : public Error
{
public:
    FormError(FormErrorKind kind, std::u16string_view text);

    [[nodiscard]] FormErrorKind kind() const noexcept { return m_kind; }
    [[nodiscard]] const char *what() const noexcept override;
    [[nodiscard]] std::u16string message() const override;

private:
    FormErrorKind m_kind;
};

} // namespace tenvex
