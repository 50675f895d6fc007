// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace tenvex {

// What went wrong. Each kind names the text it concerns; ErrorMessage() turns both into the
// sentence the user reads.
enum class ErrorKind {
    NotANumber,         // the input does not begin with a number
    AmbiguousNumber,    // a separator or blanks and a digit follow: another convention's number
    DoubledPoint,       // two points in a row, and digits after them
    TrailingDigits,     // more digits after the number: an expression or a second number
    NumberTooLarge,     // the number written is larger than the largest double
    UnknownFromPrefix,  // the source prefix name matches no prefix
    UnknownToPrefix,    // the target prefix name matches no prefix
    FloatingPointError, // an arithmetic step overflowed, divided by zero or was invalid
    NoSuchControl,      // a handler asked for a control the window does not have
    TextTooLong,        // a change would make a text box's text longer than it may be
};

// The most UTF-16 units a text box holds: far beyond any quantity (the longest number written in
// full has 767 significant digits), and few enough that every platform's box stays responsive.
// A change that would go beyond it is refused whole, and the box keeps its text.
inline constexpr std::size_t TextLengthLimit = 250'000;

// The one exception type of the program's own errors. It is caught in one place only, where an
// event is handed to its handler, and reported there with ErrorMessage().
class Error final : public std::exception
{
public:
    explicit Error(ErrorKind kind, std::u16string_view text = {});

    [[nodiscard]] ErrorKind kind() const noexcept { return m_kind; }
    // The text the error concerns, as the user wrote it: the input or a prefix name.
    [[nodiscard]] const std::u16string &text() const noexcept { return m_text; }
    // The kind, in a few words for logs and test output; the user reads ErrorMessage().
    [[nodiscard]] const char *what() const noexcept override;

private:
    ErrorKind m_kind;
    std::u16string m_text;
};

// The sentences the user reads for an error, in one place for every platform.
[[nodiscard]] std::u16string ErrorMessage(const Error &error);

// What the user reads for a failure that is not one of ours. Both are fixed texts: they are shown
// where composing a message may itself have failed.
[[nodiscard]] std::u16string_view UnexpectedErrorMessage() noexcept;
// ... and for running out of memory.
[[nodiscard]] std::u16string_view OutOfMemoryMessage() noexcept;

} // namespace tenvex
