// SPDX-License-Identifier: MIT
#include "characters.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

namespace tenvex {

namespace {

struct Range
{
    char32_t first;
    char32_t last;
};

bool InRanges(std::span<const Range> ranges, char32_t c) noexcept
{
    // The last range that begins at or before c.
    const auto after
        = std::upper_bound(ranges.begin(), ranges.end(), c,
                           [](char32_t x, const Range &range) { return x < range.first; });
    return after != ranges.begin() && c <= std::prev(after)->last;
}

// The zero of every set of decimal digits in Unicode 14; each is followed by its one to nine.
constexpr std::array<char32_t, 66> DigitZeros{
    0x30,    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,
    0xC66,   0xCE6,   0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2,
    0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0,
};

constexpr std::array<Range, 3> VulgarFractions{{{0xBC, 0xBE}, {0x2150, 0x215F}, {0x2189, 0x2189}}};

constexpr std::array<Range, 4> ScriptDigits{
    {{0xB2, 0xB3}, {0xB9, 0xB9}, {0x2070, 0x2070}, {0x2074, 0x2079}}};
constexpr Range SubscriptDigits{0x2080, 0x2089};

// Controls (Cc), format characters (Cf), separators of lines and paragraphs, blanks but the
// space (Zs), surrogates, and the characters Unicode ignores by default: the combining
// grapheme joiner, the fillers, the inherent vowels, the variation selectors.
constexpr std::array<Range, 33> InvisibleRanges{{
    {0x0, 0x1F},        {0x7F, 0xA0},       {0xAD, 0xAD},       {0x34F, 0x34F},
    {0x600, 0x605},     {0x61C, 0x61C},     {0x6DD, 0x6DD},     {0x70F, 0x70F},
    {0x890, 0x891},     {0x8E2, 0x8E2},     {0x115F, 0x1160},   {0x1680, 0x1680},
    {0x17B4, 0x17B5},   {0x180B, 0x180F},   {0x2000, 0x200F},   {0x2028, 0x202F},
    {0x205F, 0x2064},   {0x2066, 0x206F},   {0x3000, 0x3000},   {0x3164, 0x3164},
    {0xD800, 0xDFFF},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},
    {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x13438},
    {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001}, {0xE0020, 0xE007F},
    {0xE0100, 0xE01EF},
}};

// What no unit's name is made of, beyond ASCII: Latin-1's punctuation and symbols, the
// multiplication and division signs, general punctuation with the superscripts, subscripts and
// currency signs, the number forms, arrows, mathematical operators and technical symbols, and
// the CJK symbols and punctuation.
constexpr std::array<Range, 7> NotUnitLetters{{
    {0x80, 0xB4},
    {0xB6, 0xBF},
    {0xD7, 0xD7},
    {0xF7, 0xF7},
    {0x2000, 0x20FF},
    {0x2150, 0x2BFF},
    {0x3000, 0x303F},
}};

constexpr bool IsSurrogate(char32_t c, char32_t first)
{
    return c >= first && c <= first + 0x3FF;
}

} // namespace

bool IsDecimalDigit(char32_t c) noexcept
{
    const auto after = std::upper_bound(DigitZeros.begin(), DigitZeros.end(), c);
    return after != DigitZeros.begin() && c - *std::prev(after) < 10;
}

bool IsVulgarFraction(char32_t c) noexcept
{
    return InRanges(VulgarFractions, c);
}

bool IsScriptDigit(char32_t c) noexcept
{
    return InRanges(ScriptDigits, c) || (c >= SubscriptDigits.first && c <= SubscriptDigits.last);
}

bool IsScriptSign(char32_t c) noexcept
{
    return c == 0x207A || c == 0x207B || c == 0x208A || c == 0x208B;
}

bool IsInvisible(char32_t c) noexcept
{
    return InRanges(InvisibleRanges, c);
}

bool IsUnitLetter(char32_t c) noexcept
{
    if (c < 0x80)
        return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
    return !InRanges(NotUnitLetters, c) && !IsDecimalDigit(c) && !IsInvisible(c);
}

CodePoint CodePointAt(std::u16string_view text, std::size_t position) noexcept
{
    const char32_t unit = text[position];
    if (IsSurrogate(unit, 0xD800) && position + 1 < text.size()
        && IsSurrogate(text[position + 1], 0xDC00))
        return {0x10000 + ((unit - 0xD800) << 10) + (text[position + 1] - 0xDC00U), 2};
    return {unit, 1};
}

CodePoint CodePointBefore(std::u16string_view text, std::size_t position) noexcept
{
    if (position >= 2 && IsSurrogate(text[position - 1], 0xDC00)
        && IsSurrogate(text[position - 2], 0xD800))
        return CodePointAt(text, position - 2);
    return {text[position - 1], 1};
}

} // namespace tenvex
