// SPDX-License-Identifier: MIT
// Writes texts and the results expected for them, one "text<TAB>result" line each, with glibc as
// the oracle: its strtod, which rounds correctly at every length, then printf("%.15G") in the C
// locale, with the program's own rules (negative zero written "0", the doubles that would round
// past the largest one written "1.79769313486231E+308", a number too large refused). Built and
// run on the build machine; the cases are replayed by every build, the Windows ones under Wine.
//   generate_oracle_cases oracle_cases.tsv
#include "halfway_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

std::FILE *Cases = nullptr;

// What a text must convert to, "Unit" to "Unit", written as the program writes it.
std::string Expected(const std::string &text)
{
    const double value = std::strtod(text.c_str(), nullptr);
    if (std::isinf(value))
        return "too large";
    if (value == 0.0)
        return "0";
    char written[40];
    std::snprintf(written, sizeof written, "%.15G", value);
    std::string result = written;
    if (const auto past = result.find("1.79769313486232E+308"); past != std::string::npos)
        result.replace(past, std::string::npos, "1.79769313486231E+308");
    return result;
}

void Emit(const std::string &text)
{
    std::fprintf(Cases, "%s\t%s\n", text.c_str(), Expected(text).c_str());
}

std::string RandomDigits(std::mt19937_64 &random, std::size_t count)
{
    std::string digits;
    for (std::size_t i = 0; i < count; ++i)
        digits += static_cast<char>('0' + random() % 10);
    return digits;
}

int RandomBetween(std::mt19937_64 &random, int low, int high)
{
    return low + static_cast<int>(random() % static_cast<std::uint64_t>(high - low + 1));
}

// Digits with a point somewhere among them and an exponent: `count` digits.
void EmitDecimals(std::mt19937_64 &random, int cases, std::size_t fewest, std::size_t most)
{
    for (int i = 0; i < cases; ++i) {
        std::string digits = RandomDigits(random, fewest + random() % (most - fewest + 1));
        digits.insert(random() % (digits.size() + 1), 1, '.');
        const std::string sign = random() % 4 == 0 ? "-" : "";
        Emit(sign + digits + "e" + std::to_string(RandomBetween(random, -340, 320)));
    }
}

// The halfway point above `value` in all its digits, and one unit of its last digit below and
// above.
void EmitAroundMidpoint(double value)
{
    const halfway::Decimal midpoint = halfway::Midpoint(value);
    const std::string exponent = "e" + std::to_string(midpoint.powerOfTen);
    std::string below = midpoint.digits;
    std::string above = midpoint.digits;
    below.back() = '4'; // the last digit of a midpoint is 5
    above.back() = '6';
    for (const std::string &digits : {midpoint.digits, below, above})
        Emit(digits + exponent);
}

// Midpoints next to `from`: `count` doubles upward from it.
void EmitMidpointsFrom(double from, int count)
{
    for (int i = 0; i < count && std::isfinite(from); ++i, from = std::nextafter(from, HUGE_VAL))
        EmitAroundMidpoint(from);
}

// 2^1024 - 2^970, halfway between the largest double and the first power of two past it, less
// `below`, written with a point and trailing zeros: as large as a text gets and still reads.
void EmitBelowOverflow()
{
    halfway::BigNumber threshold{1};
    for (int i = 0; i < 970; ++i)
        halfway::Multiply(threshold, 2);
    halfway::BigNumber step = threshold; // 2^970
    for (int i = 0; i < 54; ++i)
        halfway::Multiply(threshold, 2); // 2^1024
    std::string top = halfway::Digits(threshold);
    const std::string stepDigits = halfway::Digits(step);
    // top - step, by digits: both are written out, so subtract from the right.
    std::string difference = top;
    int borrow = 0;
    for (std::size_t i = 0; i < difference.size(); ++i) {
        const std::size_t at = difference.size() - 1 - i;
        const int taken
            = (i < stepDigits.size() ? stepDigits[stepDigits.size() - 1 - i] - '0' : 0) + borrow;
        int digit = difference[at] - '0' - taken;
        borrow = digit < 0 ? 1 : 0;
        difference[at] = static_cast<char>('0' + (digit + 10) % 10);
    }
    std::string justBelow = difference;
    for (std::size_t at = justBelow.size(); at-- > 0;) { // minus one
        if (justBelow[at] != '0') {
            --justBelow[at];
            break;
        }
        justBelow[at] = '9';
    }
    for (int zeros = 0; zeros <= 60; ++zeros) {
        for (const std::string &digits : {justBelow, difference})
            Emit(digits + "." + std::string(static_cast<std::size_t>(zeros), '0'));
    }
}

// Leading zeros, long runs of zeros inside the digits, and exponents that make up for them.
void EmitZeroRuns(std::mt19937_64 &random, int cases)
{
    for (int i = 0; i < cases; ++i) {
        const auto zeros = static_cast<std::size_t>(1 + random() % 5000);
        const std::string digits = RandomDigits(random, 1 + random() % 20);
        const int exponent = RandomBetween(random, -320, 300);
        switch (i % 4) {
        case 0: // leading zeros
            Emit(std::string(zeros, '0') + digits + "e" + std::to_string(exponent));
            break;
        case 1: // zeros after the point, made up for by the exponent
            Emit("0." + std::string(zeros, '0') + digits + "e"
                 + std::to_string(exponent + static_cast<int>(zeros)));
            break;
        case 2: // a run of zeros inside the digits
            Emit(digits + std::string(zeros, '0') + "1e"
                 + std::to_string(exponent - static_cast<int>(zeros)));
            break;
        case 3: // trailing zeros
            Emit(digits + "." + std::string(zeros, '0') + "e" + std::to_string(exponent));
            break;
        }
    }
}

// Doubles of every bit pattern written in 17 digits, which read back to them: the writing over
// the whole range.
void EmitAnyDouble(std::mt19937_64 &random, int cases)
{
    for (int i = 0; i < cases; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value))
            continue;
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", value);
        Emit(text);
    }
}

} // namespace

int main(int argc, char **argv)
{
    Cases = argc == 2 ? std::fopen(argv[1], "w") : nullptr;
    if (Cases == nullptr) {
        std::fprintf(stderr, "usage: generate_oracle_cases FILE\n");
        return 1;
    }
    std::mt19937_64 random(20261209);
    EmitDecimals(random, 40'000, 1, 17);
    EmitDecimals(random, 15'000, 18, 40);
    EmitDecimals(random, 1'000, 41, 800);
    EmitAnyDouble(random, 30'000);
    EmitZeroRuns(random, 2'000);
    EmitBelowOverflow();
    constexpr double SmallestNormal = std::numeric_limits<double>::min();
    EmitMidpointsFrom(std::numeric_limits<double>::denorm_min(), 1'500);
    EmitMidpointsFrom(std::nextafter(SmallestNormal, 0.0), 1'500);
    double belowLargest = std::numeric_limits<double>::max();
    for (int i = 0; i < 1'500; ++i)
        belowLargest = std::nextafter(belowLargest, 0.0);
    EmitMidpointsFrom(belowLargest, 1'500);
    // Near every power of ten a double holds: the midpoints just below and just above it.
    for (int power = -323; power <= 308; ++power) {
        const double near = std::strtod(("1e" + std::to_string(power)).c_str(), nullptr);
        EmitMidpointsFrom(std::nextafter(std::nextafter(near, 0.0), 0.0), 4);
    }
    // Powers of five past the smallest subnormal: ties whose even neighbour is a power of two.
    for (int k = 1070; k <= 1080; ++k) {
        halfway::BigNumber power{1};
        for (int i = 0; i < k; ++i)
            halfway::Multiply(power, 5);
        for (const std::uint32_t factor : {1U, 3U, 5U, 7U}) {
            halfway::BigNumber multiple = power;
            halfway::Multiply(multiple, factor);
            Emit(halfway::Digits(multiple) + "e-" + std::to_string(k));
        }
    }
    return std::fclose(Cases) == 0 ? 0 : 1;
}
