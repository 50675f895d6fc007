// SPDX-License-Identifier: MIT
#include "error.h"

namespace tenvex {

namespace {

constexpr std::size_t QuotedLengthLimit = 40; // UTF-16 units shown before the ellipsis

constexpr bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The text in double quotes, cut short with an ellipsis when it is longer than a message can
// usefully show; a surrogate pair is never cut in two.
std::u16string Quoted(std::u16string_view text)
{
    std::u16string quoted(1, u'"');
    if (text.size() <= QuotedLengthLimit) {
        quoted += text;
    } else {
        std::size_t cut = QuotedLengthLimit;
        if (IsLowSurrogate(text[cut]))
            --cut;
        quoted.append(text.substr(0, cut)).append(u"\u2026");
    }
    return quoted + u'"';
}

std::u16string UnknownPrefixMessage(std::u16string_view box, std::u16string_view name)
{
    return u"The " + std::u16string(box) + u" box holds " + Quoted(name)
        + u", which is not a prefix name. Choose a name from the list; names are case-sensitive,"
          u" as in \"Kilo (K)\" and \"milli (m)\".";
}

} // namespace

Error::Error(ErrorKind kind, std::u16string_view text)
    : m_kind(kind)
    , m_text(text)
{}

const char *Error::what() const noexcept
{
    switch (m_kind) {
    case ErrorKind::NotANumber:
        return "not a number";
    case ErrorKind::AmbiguousNumber:
        return "ambiguous number";
    case ErrorKind::DoubledPoint:
        return "doubled point";
    case ErrorKind::TrailingDigits:
        return "digits after the number";
    case ErrorKind::NumberTooLarge:
        return "number too large";
    case ErrorKind::UnknownFromPrefix:
        return "unknown source prefix";
    case ErrorKind::UnknownToPrefix:
        return "unknown target prefix";
    case ErrorKind::FloatingPointError:
        return "floating-point error";
    case ErrorKind::NoSuchControl:
        return "no such control";
    }
    return "error";
}

std::u16string ErrorMessage(const Error &error)
{
    const std::u16string_view text = error.text();
    switch (error.kind()) {
    case ErrorKind::NotANumber:
        return Quoted(text) + u" is not a number.";
    case ErrorKind::AmbiguousNumber:
        return Quoted(text)
            + u" could be read in more than one way. Write the decimal point as \".\" and no digit"
              u" grouping: a single plain number, such as 1.5 or 1000.";
    case ErrorKind::DoubledPoint:
        return Quoted(text)
            + u" has two points in a row. Write a single plain number, such as 1.5 or 1000.";
    case ErrorKind::TrailingDigits:
        return Quoted(text)
            + u" is not a single plain number: more digits follow the number it begins with."
              u" Write a single plain number, such as 1.5 or 1000; a unit after it, as in"
              u" \"2.5 kV\", is fine.";
    case ErrorKind::NumberTooLarge:
        return Quoted(text) + u" is too large: numbers must stay below about 1.79E+308.";
    case ErrorKind::UnknownFromPrefix:
        return UnknownPrefixMessage(u"From prefix", text);
    case ErrorKind::UnknownToPrefix:
        return UnknownPrefixMessage(u"To prefix", text);
    case ErrorKind::FloatingPointError:
        // With finite values and the prefixes' non-zero factors, overflow is the one fault a
        // conversion can meet.
        return u"The result is too large: the calculation overflowed.";
    case ErrorKind::NoSuchControl:
        return u"The window has no control named " + Quoted(text) + u'.';
    }
    return UnexpectedErrorMessage();
}

std::u16string UnexpectedErrorMessage()
{
    return u"An unexpected error occurred.";
}

} // namespace tenvex
