// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

// Rows of a parameterised test are named by their `name` member, which says what would break.
struct RowName
{
    template<typename Row>
    std::string operator()(const testing::TestParamInfo<Row> &info) const
    {
        return std::string(info.param.name);
    }
};

// A text of seventeen digits, which reads back to `value`: comparing these texts compares doubles
// exactly, the sign of zero included, with a readable message when they differ.
inline std::string Exact(double value)
{
    std::array<char, 32> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.17g", value);
    return {buffer.data(), static_cast<std::size_t>(length)};
}

// The double of the given bits (std::bit_cast, which not every toolchain's library has yet).
inline double DoubleOfBits(std::uint64_t bits)
{
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Control texts are UTF-16; most test texts are ASCII and easier to read as such.
inline std::u16string Utf16(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

inline std::string Ascii(std::u16string_view text)
{
    std::string ascii;
    for (const char16_t unit : text)
        ascii += unit < 0x80 ? static_cast<char>(unit) : '?';
    return ascii;
}
