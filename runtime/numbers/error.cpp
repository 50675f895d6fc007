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

} // namespace

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

NumberError::NumberError(NumberErrorKind kind, std::u16string_view text)
    : Error(text)
    , m_kind(kind)
{}

const char *NumberError::what() const noexcept
{
    switch (m_kind) {
    case NumberErrorKind::NotANumber:
        return "not a number";
    case NumberErrorKind::AmbiguousNumber:
        return "ambiguous number";
    case NumberErrorKind::DoubledPoint:
        return "doubled point";
    case NumberErrorKind::TrailingDigits:
        return "digits after the number";
    case NumberErrorKind::NumberTooLarge:
        return "number too large";
    case NumberErrorKind::FloatingPointError:
        return "floating-point error";
    }
    return "error";
}

std::u16string NumberError::message() const
{
    const std::u16string_view quantity = text();
    switch (m_kind) {
    case NumberErrorKind::NotANumber:
        return u"The quantity " + Quoted(quantity) + u" is not a number.";
    case NumberErrorKind::AmbiguousNumber:
        return u"The quantity " + Quoted(quantity)
            + u" could be read in more than one way. Write the decimal point as \".\" and no digit"
              u" grouping: a single plain number, such as 1.5 or 1000.";
    case NumberErrorKind::DoubledPoint:
        return u"The quantity " + Quoted(quantity)
            + u" has two points in a row. Write a single plain number, such as 1.5 or 1000.";
    case NumberErrorKind::TrailingDigits:
        return u"The quantity " + Quoted(quantity)
            + u" is not a single plain number: more digits follow the number it begins with."
              u" Write a single plain number, such as 1.5 or 1000; a unit after it, as in"
              u" \"2.5 kV\", is fine.";
    case NumberErrorKind::NumberTooLarge:
        return u"The quantity " + Quoted(quantity)
            + u" is too large in size: numbers must lie between about -1.79E+308 and 1.79E+308.";
    case NumberErrorKind::FloatingPointError:
        // With finite values and the prefixes' non-zero factors, overflow is the one fault a
        // conversion can meet.
        return std::u16string(u"The result is too large in size: the calculation overflowed.");
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
