// SPDX-License-Identifier: MIT
// The writing against the C library's printf("%.15G") in the C locale, which rounds from the
// double's exact value (glibc): the same text for every finite double, but for the two rules of
// our own, negative zero written "0" and the doubles that round past the largest one written
// "1.79769313486231E+308". The first eight bytes are the double; a text a number is read from
// is the double it reads as, so that readable seeds cover the doubles people meet.
#include "error.h"
#include "fuzz_input.h"
#include "number_format.h"
#include "number_reading.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Compare(double value)
{
    if (!std::isfinite(value))
        return;
    char expected[40];
    std::snprintf(expected, sizeof expected, "%.15G", value);
    std::string text = value == 0.0 ? "0" : expected;
    if (const auto past = text.find("1.79769313486232E+308"); past != std::string::npos)
        text.replace(past, std::string::npos, "1.79769313486231E+308");
    if (tenvex::FormatNumber(value) != std::u16string(text.begin(), text.end()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size >= 8) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        Compare(std::bit_cast<double>(bits));
    }
    try {
        Compare(tenvex::ReadNumber(FuzzText(data, size)));
    } catch (const tenvex::Error &) {}
    return 0;
}
