// SPDX-License-Identifier: MIT
// The shortcuts give what the full rules give: the reading of the commonest texts the same
// double, or the same error, as the reading in full; the writing of whole numbers, and of the
// others in 128-bit integers, the same text as the writing in full. The bytes are both a text to
// read and, where there are eight, a double to write.
#include "error.h"
#include "fuzz_input.h"
#include "number_format.h"
#include "number_reading.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

struct Reading
{
    std::optional<std::uint64_t> bits;
    std::optional<tenvex::ErrorKind> error;

    bool operator==(const Reading &) const = default;
};

template<typename Read>
Reading ReadWith(Read read, std::u16string_view text)
{
    try {
        return {std::bit_cast<std::uint64_t>(read(text)), std::nullopt};
    } catch (const tenvex::Error &error) {
        return {std::nullopt, error.kind()};
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = FuzzText(data, size);
    if (ReadWith(tenvex::ReadNumber, text) != ReadWith(tenvex::detail::ReadNumberInFull, text))
        std::abort();
    // A value read from the text is as likely a whole number as a bit pattern is unlikely one.
    const Reading read = ReadWith(tenvex::ReadNumber, text);
    for (const std::optional<std::uint64_t> bits : {read.bits,
                                                    size >= 8 ? std::optional<std::uint64_t>([&] {
                                                        std::uint64_t pattern = 0;
                                                        std::memcpy(&pattern, data, sizeof pattern);
                                                        return pattern;
                                                    }())
                                                              : std::nullopt}) {
        if (!bits)
            continue;
        const auto value = std::bit_cast<double>(*bits);
        if (tenvex::FormatNumber(value) != tenvex::detail::FormatNumberInFull(value).view())
            std::abort();
    }
    return 0;
}
