// SPDX-License-Identifier: MIT
// Any text in any room is shortened without an exception or an endless search: the text itself
// where it fits, and otherwise the text or a shorter form of it. The first byte is the room, in
// characters.
#include "fuzz_input.h"
#include "shortening.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t room = data[0] % 40;
    const std::u16string text = FuzzText(data + 1, size - 1);
    const auto fits = [room](std::u16string_view form) { return form.size() <= room; };
    std::u16string shown;
    try {
        shown = tenvex::ShortenedNumber(text, fits);
    } catch (...) {
        std::abort();
    }
    if (fits(text) ? shown != text : shown != text && shown.size() >= text.size())
        std::abort();
    return 0;
}
