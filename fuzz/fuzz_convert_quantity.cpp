// SPDX-License-Identifier: MIT
// Any three texts convert, or fail with one of the conversion's own errors; a result is always a
// number that reads back, so that the user can convert it again.
#include "error.h"
#include "fuzz_input.h"
#include "number_reading.h"
#include "prefix_conversion.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = FuzzText(data, size);
    // The input text, the source name and the target name, separated by '|'.
    const std::size_t first = text.find(u'|');
    const std::size_t second = first == std::u16string::npos ? first : text.find(u'|', first + 1);
    if (second == std::u16string::npos)
        return 0;
    const std::u16string_view all(text);
    tenvex::NumberText result;
    try {
        result = tenvex::ConvertQuantity(all.substr(0, first),
                                         all.substr(first + 1, second - first - 1),
                                         all.substr(second + 1));
    } catch (const tenvex::Error &) {
        return 0;
    }
    try {
        (void)tenvex::ReadNumber(result);
    } catch (const tenvex::Error &) {
        std::abort();
    }
    return 0;
}
