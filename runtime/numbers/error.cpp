// SPDX-License-Identifier: MIT
#include "error.h"

#include "characters.h"

#include <string>

namespace tenvex {

namespace {

constexpr std::size_t QuotedLengthLimit = 40; // units of the text shown before the ellipsis

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
// direction control, a blank other than the space) written as its code, and cut short with an
// ellipsis when it is longer than a message can usefully show, never inside a character.
//
// Every sentence begins with words, before any quote, so that it reads left to right whatever the
// script of the text it quotes: a sentence's direction is its first letter's. With the direction
// controls written as codes, nothing in a quote can turn the sentence around.
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
    return u'"' + shown + (cut ? u"\u2026\"" : u"\"");
}

std::u16string UnknownPrefixMessage(std::u16string_view box, std::u16string_view name)
{
    return u"The " + std::u16string(box) + u" box holds " + Quoted(name)
        + u", which is not a prefix name. Choose a name from the list; names are case-sensitive,"
          u" as in \"Kilo (K)\" and \"milli (m)\".";
}

std::u16string TooLongMessage(std::u16string_view box)
{
    const std::string limit = std::to_string(TextLengthLimit);
    return u"The " + std::u16string(box) + u" box holds at most "
        + std::u16string(limit.begin(), limit.end())
        + u" characters: the text was not put in, and the box keeps what it had.";
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
    case ErrorKind::TextTooLong:
        return "text too long";
    }
    return "error";
}

std::u16string ErrorMessage(const Error &error)
{
    const std::u16string_view text = error.text();
    switch (error.kind()) {
    case ErrorKind::NotANumber:
        return u"The quantity " + Quoted(text) + u" is not a number.";
    case ErrorKind::AmbiguousNumber:
        return u"The quantity " + Quoted(text)
            + u" could be read in more than one way. Write the decimal point as \".\" and no digit"
              u" grouping: a single plain number, such as 1.5 or 1000.";
    case ErrorKind::DoubledPoint:
        return u"The quantity " + Quoted(text)
            + u" has two points in a row. Write a single plain number, such as 1.5 or 1000.";
    case ErrorKind::TrailingDigits:
        return u"The quantity " + Quoted(text)
            + u" is not a single plain number: more digits follow the number it begins with."
              u" Write a single plain number, such as 1.5 or 1000; a unit after it, as in"
              u" \"2.5 kV\", is fine.";
    case ErrorKind::NumberTooLarge:
        return u"The quantity " + Quoted(text)
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
    case ErrorKind::TextTooLong:
        return TooLongMessage(text);
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
