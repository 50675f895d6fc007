// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <charconv>
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

// The shortest text that reads back to `value`: comparing these texts compares doubles exactly,
// the sign of zero included, with a readable message when they differ.
inline std::string Exact(double value)
{
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), end};
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
