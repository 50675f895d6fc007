// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace tenvex {

// The base of the program's own errors. Each layer raises errors of its own kinds, and each error
// composes the sentence the user reads. They are caught in one place only, where an event is
// handed to its handler, and reported there.
class Error : public std::exception
{
public:
    // The sentence the user reads.
    [[nodiscard]] virtual std::u16string message() const = 0;
    // The text the error concerns, as the user wrote it: the input, a prefix name, a box's name.
    [[nodiscard]] const std::u16string &text() const noexcept { return m_text; }

protected:
    explicit Error(std::u16string_view text)
        : m_text(text)
    {}

private:
    std::u16string m_text;
};

// What went wrong in reading a number or in an arithmetic step.
enum class NumberErrorKind {
    NotANumber,         // the input does not begin with a number
    AmbiguousNumber,    // a separator or blanks and a digit follow: another convention's number
    DoubledPoint,       // two points in a row, and digits after them
    TrailingDigits,     // more digits after the number: an expression or a second number
    NumberTooLarge,     // the number written is larger than the largest double
    FloatingPointError, // an arithmetic step overflowed, divided by zero or was invalid
};

class NumberError final : public Error
{
public:
    explicit NumberError(NumberErrorKind kind, std::u16string_view text = {});

    [[nodiscard]] NumberErrorKind kind() const noexcept { return m_kind; }
    // The kind, in a few words for logs and test output; the user reads message().
    [[nodiscard]] const char *what() const noexcept override;
    [[nodiscard]] std::u16string message() const override;

private:
    NumberErrorKind m_kind;
};

// `text` in double quotes as the user can see it in a message: every invisible character written
// as its code, and cut short with an ellipsis beyond what a message can usefully show.
[[nodiscard]] std::u16string Quoted(std::u16string_view text);

// What the user reads for a failure that is not one of ours. Both are fixed texts: they are shown
// where composing a message may itself have failed.
[[nodiscard]] std::u16string_view UnexpectedErrorMessage() noexcept;
// ... and for running out of memory.
[[nodiscard]] std::u16string_view OutOfMemoryMessage() noexcept;

} // namespace tenvex
