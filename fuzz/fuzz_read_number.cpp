// SPDX-License-Identifier: MIT
// Any text is read or refused with one of the reading's own errors, never anything worse; and a
// number that was read, once written, reads back to the same text, the largest ones too.
#include "error.h"
#include "fuzz_input.h"
#include "number_format.h"
#include "number_reading.h"

#include <cmath>
#include <cstdlib>

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
    const tenvex::NumberText written = tenvex::FormatNumber(value);
    if (tenvex::FormatNumber(tenvex::ReadNumber(written)) != written)
        std::abort();
    return 0;
}
