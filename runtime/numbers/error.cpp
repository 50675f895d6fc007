// SPDX-License-Identifier: MIT
#include "error.h"

#include "characters.h"

#include <algorithm>

namespace tenvex {

namespace {

constexpr std::size_t QuotedLengthLimit = 40; // units of the text shown before the ellipsis
// A quoted text that shows more than ASCII is isolated: it keeps its own direction and leaves the
// sentence's alone, so that a right-to-left text reads right to left inside its quotes and the
// sentence around it left to right. (ASCII has no right-to-left characters: a text of it alone
// can change nothing.)
constexpr char16_t FirstStrongIsolate = u'\u2068';
constexpr char16_t PopDirectionalIsolate = u'\u2069';

// A character that shows nothing, written as what it is: "<U+00A0>".
void AppendCode(std::u16string &text, char32_t c)
{
    constexpr std::u16string_view HexDigits = u"0123456789ABCDEF";
    text += u"<U+";
    // Four hexadecimal digits, or five or six beyond the first plane.
    for (int shift = c > 0xFFFFF ? 20 : c > 0xFFFF ? 16 : 12; shift >= 0; shift -= 4)
        text += HexDigits[(c >> shift) & 0xF];
    text += u'>';
}

// The text in double quotes as the user can see it: every invisible character (a control, a
// direction control, a blank other than the space) written as its code, isolated from the
// sentence where it needs to be, and cut short with an ellipsis when it is longer than a message
// can usefully show, never inside a character.
std::u16string Quoted(std::u16string_view text)
{
    std::u16string shown;
    bool cut = false;
    for (std::size_t position = 0; position < text.size();) {
        const CodePoint c = CodePointAt(text, position);
        if (text.size() > QuotedLengthLimit && position + c.units > QuotedLengthLimit) {
            cut = true;
            break;
        }
        if (IsInvisible(c.value))
            AppendCode(shown, c.value);
        else
            shown.append(text.substr(position, c.units));
        position += c.units;
    }
    if (std::ranges::any_of(shown, [](char16_t unit) { return unit >= 0x80; }))
        shown = FirstStrongIsolate + shown + PopDirectionalIsolate;
    return u'"' + shown + (cut ? u"\u2026\"" : u"\"");
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
        return Quoted(text)
            + u" is too large in size: numbers must lie between about -1.79E+308 and 1.79E+308.";
    case ErrorKind::UnknownFromPrefix:
        return UnknownPrefixMessage(u"From prefix", text);
    case ErrorKind::UnknownToPrefix:
        return UnknownPrefixMessage(u"To prefix", text);
    case ErrorKind::FloatingPointError:
        // With finite values and the prefixes' non-zero factors, overflow is the one fault a
        // conversion can meet.
        return std::u16string(u"The result is too large in size: the calculation overflowed.");
    case ErrorKind::NoSuchControl:
        return u"The window has no control named " + Quoted(text) + u'.';
    }
    return std::u16string(UnexpectedErrorMessage());
}

std::u16string_view UnexpectedErrorMessage() noexcept
{
    return u"An unexpected error occurred.";
}

std::u16string_view OutOfMemoryMessage() noexcept
{
    return u"There was not enough memory to finish what you asked for.";
}

} // namespace tenvex
