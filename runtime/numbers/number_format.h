// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace tenvex {

// A number's text, held in place rather than on the heap: the longest FormatNumber writes is 22
// UTF-16 units ("-1.23456789012345E-308"). It is read as a std::u16string_view, into which it
// converts wherever a text is taken.
class NumberText
{
public:
    static constexpr std::size_t Capacity = 24;

    NumberText() = default;
    // An ASCII text of at most Capacity characters, as UTF-16.
    explicit NumberText(std::string_view ascii) noexcept
        : m_size(ascii.size())
    {
        std::copy(ascii.begin(), ascii.end(), m_units.begin());
    }

    [[nodiscard]] std::u16string_view view() const noexcept { return {m_units.data(), m_size}; }
    // Implicit, so that a result goes wherever a text does, as into a control.
    operator std::u16string_view() const noexcept { return view(); }

    friend bool operator==(const NumberText &text, std::u16string_view other) noexcept
    {
        return text.view() == other;
    }
    friend bool operator==(const NumberText &text, const NumberText &other) noexcept
    {
        return text.view() == other.view();
    }

private:
    std::array<char16_t, Capacity> m_units{};
    std::size_t m_size = 0;
};

// The text form of a result, as printf("%.15G") writes it in the C locale: at most 15 significant
// digits with trailing zeros dropped, fixed notation from 0.0001 up to below 1E+15 and "1.5E+15" /
// "1E-05" outside it, "." as the decimal point whatever the locale; negative zero is written "0".
// The digits are rounded from the double's exact value, the same on every toolchain.
// The one exception is the text past the largest double, "1.79769313486232E+308": the doubles
// that round up to it are written "1.79769313486231E+308", so that every text written reads back.
[[nodiscard]] NumberText FormatNumber(double value);

} // namespace tenvex
