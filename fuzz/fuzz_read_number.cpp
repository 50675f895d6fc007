// SPDX-License-Identifier: MIT
// Any text is read or refused with one of the reading's own errors, never anything worse; and a
// number that was read, once written, reads back to the same text.
#include "error.h"
#include "fuzz_input.h"
#include "number_format.h"
#include "number_reading.h"

#include <cmath>
#include <cstdlib>

namespace {

// The largest magnitude that is still below the largest double when written with 15 digits.
constexpr double LargestWrittenExactly = 1.79769313486231e308;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = FuzzText(data, size);
    double value = 0.0;
    try {
        value = tenvex::ReadNumber(text);
    } catch (const tenvex::Error &) {
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();
    if (std::fabs(value) > LargestWrittenExactly)
        return 0; // written, it rounds up past the largest double
    const std::u16string written = tenvex::FormatNumber(value);
    if (tenvex::FormatNumber(tenvex::ReadNumber(written)) != written)
        std::abort();
    return 0;
}
