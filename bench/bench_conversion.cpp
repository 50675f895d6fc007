// SPDX-License-Identifier: MIT
// Reading, writing and whole conversions, each beside the standard library doing the same job in
// the same binary. The floor of a conversion is std::from_chars, the two scalings and
// std::to_chars(general, 15) on the same inputs; the C library's strtod, pow and
// snprintf("%.15G") are kept beside it for reference.
#include "number_format.h"
#include "number_reading.h"
#include "prefix_conversion.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// The prefixes of every conversion here, as the window passes them: texts of a known length.
constexpr std::u16string_view Kilo = u"Kilo (K)"sv;
constexpr std::u16string_view Milli = u"milli (m)"sv;

// Typical quantities, from short integers to full-length numbers with exponents, and after them
// the short ones people type.
constexpr std::array<const char *, 10> Inputs{
    "1", "2.5", "1234.5678", "-0.000123", "6.02214076e23", "3.14159265358979",
    "1", "2.5", "-0.001",    "6.02e23"};
constexpr std::size_t TypicalInputs = 6;
constexpr std::array<double, 6> Values{1.0, 2.5e6, 1234.5678, -1.23e-7, 6.02214076e23, 0.1};

std::u16string Utf16(const char *text)
{
    const std::string ascii(text);
    return {ascii.begin(), ascii.end()};
}

void ReadNumberTenvex(benchmark::State &state)
{
    const std::u16string text = Utf16(Inputs[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state)
        benchmark::DoNotOptimize(tenvex::ReadNumber(text));
}

void ReadNumberStrtod(benchmark::State &state)
{
    const char *text = Inputs[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(std::strtod(text, nullptr));
}

void FormatNumberTenvex(benchmark::State &state)
{
    const double value = Values[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(tenvex::FormatNumber(value));
}

void FormatNumberSnprintf(benchmark::State &state)
{
    const double value = Values[static_cast<std::size_t>(state.range(0))];
    char buffer[32];
    for (auto _ : state) {
        std::snprintf(buffer, sizeof buffer, "%.15G", value);
        benchmark::DoNotOptimize(buffer);
    }
}

void ConvertQuantityTenvex(benchmark::State &state)
{
    const std::u16string text = Utf16(Inputs[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state)
        benchmark::DoNotOptimize(tenvex::ConvertQuantity(text, Kilo, Milli));
}

// The least a conversion "Kilo (K)" to "milli (m)" can cost: the standard library reading and
// writing, and the two scalings, with no checks and no reading rules of ours.
void ConvertWithStandardLibrary(std::string_view text, char (&buffer)[32])
{
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    benchmark::DoNotOptimize(value);
    value = 1e3 * value;
    value = value / 1e-3;
    benchmark::DoNotOptimize(
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15));
}

void ConvertQuantityFloor(benchmark::State &state)
{
    const std::string_view text = Inputs[static_cast<std::size_t>(state.range(0))];
    char buffer[32];
    for (auto _ : state)
        ConvertWithStandardLibrary(text, buffer);
}

// The same conversion, "Kilo (K)" to "milli (m)", with the C library reading and writing.
void ConvertWithCLibrary(const char *text, char (&buffer)[32])
{
    double value = std::strtod(text, nullptr);
    benchmark::DoNotOptimize(value);
    value = std::pow(10.0, 3.0) * value;
    value = value / std::pow(10.0, -3.0);
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    benchmark::DoNotOptimize(buffer);
}

void ConvertQuantityStrtodSnprintf(benchmark::State &state)
{
    const char *text = Inputs[static_cast<std::size_t>(state.range(0))];
    char buffer[32];
    for (auto _ : state)
        ConvertWithCLibrary(text, buffer);
}

// The headline pair: the six typical inputs above, one after the other, as one iteration.
void ConvertAllTenvex(benchmark::State &state)
{
    std::array<std::u16string, TypicalInputs> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = Utf16(Inputs[i]);
    for (auto _ : state) {
        for (const std::u16string &text : texts)
            benchmark::DoNotOptimize(tenvex::ConvertQuantity(text, Kilo, Milli));
    }
}

void ConvertAllFloor(benchmark::State &state)
{
    char buffer[32];
    for (auto _ : state) {
        for (std::size_t i = 0; i < TypicalInputs; ++i)
            ConvertWithStandardLibrary(Inputs[i], buffer);
    }
}

void ConvertAllStrtodSnprintf(benchmark::State &state)
{
    char buffer[32];
    for (auto _ : state) {
        for (std::size_t i = 0; i < TypicalInputs; ++i)
            ConvertWithCLibrary(Inputs[i], buffer);
    }
}

} // namespace

BENCHMARK(ConvertAllTenvex);
BENCHMARK(ConvertAllFloor);
BENCHMARK(ConvertAllStrtodSnprintf);
BENCHMARK(ReadNumberTenvex)->DenseRange(0, 5);
BENCHMARK(ReadNumberStrtod)->DenseRange(0, 5);
BENCHMARK(FormatNumberTenvex)->DenseRange(0, 5);
BENCHMARK(FormatNumberSnprintf)->DenseRange(0, 5);
BENCHMARK(ConvertQuantityTenvex)->DenseRange(0, Inputs.size() - 1);
BENCHMARK(ConvertQuantityFloor)->DenseRange(0, Inputs.size() - 1);
BENCHMARK(ConvertQuantityStrtodSnprintf)->DenseRange(0, Inputs.size() - 1);

BENCHMARK_MAIN();
