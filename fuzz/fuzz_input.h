// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Fuzzer bytes as a control text: a byte stands for the character of the same code (so seed
// files are plain text), and the byte 0xFF makes the two bytes after it one UTF-16 unit, so that
// every unit, lone surrogates included, can occur.
inline std::u16string FuzzText(const std::uint8_t *data, std::size_t size)
{
    std::u16string text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && i + 2 < size) {
            text.push_back(static_cast<char16_t>(data[i + 1] << 8 | data[i + 2]));
            i += 2;
        } else {
            text.push_back(static_cast<char16_t>(data[i]));
        }
    }
    return text;
}
