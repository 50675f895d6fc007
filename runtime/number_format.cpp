#include "number_format.h"

#include "powers_of_ten.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace tenvex {

namespace {

constexpr int SignificantDigits = 15;
constexpr double LargestPower = 1e15; // 15-digit integers lie in [1E+14, 1E+15)

// The text is built here and copied into the string once. The longest is 22 units long:
// "-1.23456789012345E-308" or "-0.000123456789012345".
class TextBuffer
{
public:
    void push(char16_t unit) { m_units[m_size++] = unit; }

    void append(std::string_view ascii)
    {
        for (const char c : ascii)
            push(static_cast<char16_t>(c));
    }

    void appendRepeated(std::size_t count, char16_t unit)
    {
        for (; count > 0; --count)
            push(unit);
    }

    [[nodiscard]] std::u16string text() const { return {m_units.data(), m_size}; }

private:
    std::array<char16_t, 32> m_units{};
    std::size_t m_size = 0;
};

void AppendInteger(TextBuffer &text, std::uint64_t integer)
{
    std::array<char, 20> digits{};
    const auto end = std::to_chars(digits.begin(), digits.end(), integer).ptr;
    text.append({digits.data(), static_cast<std::size_t>(end - digits.data())});
}

// x * 10^k for |k| <= 22 as high + low: high is the rounded result and low what rounding left
// out, below half of high's last place. For k >= 0 the sum is exact. For k < 0 low is the exact
// remainder of the division over the divisor, so its sign, and whether it is zero, are exact.
struct ScaledValue
{
    double high;
    double low;

    ScaledValue(double x, int k)
    {
        const double power = detail::ExactPowersOfTen[static_cast<std::size_t>(std::abs(k))];
        if (k >= 0) {
            high = x * power;
            low = std::fma(x, power, -high);
        } else {
            high = x / power;
            low = std::fma(-high, power, x) / power;
        }
    }

    [[nodiscard]] bool belowLargestPower() const
    {
        return high < LargestPower || (high == LargestPower && low < 0.0);
    }
};

// Lays out digits (no trailing zeros) times 10^exponent, the first digit being the units digit,
// as %G does: fixed notation for exponents from -4 to 14, otherwise d.dddE+XX.
void AppendLaidOut(TextBuffer &text, std::string_view digits, int exponent)
{
    if (exponent < -4 || exponent >= SignificantDigits) {
        text.append(digits.substr(0, 1));
        if (digits.size() > 1) {
            text.push(u'.');
            text.append(digits.substr(1));
        }
        text.append(exponent < 0 ? "E-" : "E+");
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text.push(u'0');
        AppendInteger(text, static_cast<std::uint64_t>(magnitude));
    } else if (exponent < 0) {
        text.append("0.");
        text.appendRepeated(static_cast<std::size_t>(-exponent - 1), u'0');
        text.append(digits);
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        text.append(digits.substr(0, integerDigits));
        if (digits.size() < integerDigits) {
            text.appendRepeated(integerDigits - digits.size(), u'0');
        } else if (digits.size() > integerDigits) {
            text.push(u'.');
            text.append(digits.substr(integerDigits));
        }
    }
}

// The fast way for magnitudes from 1E-08 to below 1E+37: x is scaled to a 15-digit integer by an
// exact power of ten, and the scaled value is known well enough to be rounded to the nearest
// integer (ties to even) exactly as printf rounds the decimal expansion.
bool AppendFifteenDigits(TextBuffer &text, double magnitude)
{
    if (!(magnitude >= 1e-8 && magnitude < 1e37))
        return false;
    if (magnitude < LargestPower && magnitude == std::floor(magnitude)) {
        // A whole number of at most 15 digits, written as it is.
        AppendInteger(text, static_cast<std::uint64_t>(magnitude));
        return true;
    }
    // floor(log10(2^binaryExponent)) is the decimal exponent, or one less.
    const int binaryExponent
        = static_cast<int>(std::bit_cast<std::uint64_t>(magnitude) >> 52) - 1023;
    int decimalExponent = (binaryExponent * 78913) >> 18;
    constexpr int MaxPower = static_cast<int>(detail::ExactPowersOfTen.size()) - 1;
    int k = SignificantDigits - 1 - decimalExponent;
    if (std::abs(k) > MaxPower)
        return false;
    ScaledValue scaled(magnitude, k);
    if (!scaled.belowLargestPower()) {
        if (--k < -MaxPower)
            return false;
        ++decimalExponent;
        scaled = ScaledValue(magnitude, k);
    }
    const double whole = std::floor(scaled.high);
    const double fraction = scaled.high - whole; // exact, a multiple of high's last place
    auto integer = static_cast<std::uint64_t>(whole);
    // low is below half of high's last place, so it decides only when fraction is a tie.
    const bool tie = fraction == 0.5;
    if (fraction > 0.5 || (tie && (scaled.low > 0.0 || (scaled.low == 0.0 && integer % 2 == 1))))
        ++integer;
    if (integer == static_cast<std::uint64_t>(LargestPower)) { // rounded up to the next power
        integer /= 10;
        ++decimalExponent;
    }
    while (integer % 10 == 0) // the digits without trailing zeros
        integer /= 10;
    std::array<char, SignificantDigits + 1> digits{};
    const auto end = std::to_chars(digits.begin(), digits.end(), integer).ptr;
    AppendLaidOut(text, {digits.data(), static_cast<std::size_t>(end - digits.data())},
                  decimalExponent);
    return true;
}

// Any other magnitude, by the library: the general format with a precision is printf's %g in the
// C locale; %G only capitalises it.
void AppendByLibrary(TextBuffer &text, double magnitude)
{
    std::array<char, 32> buffer{};
    char *const end = std::to_chars(buffer.begin(), buffer.end(), magnitude,
                                    std::chars_format::general, SignificantDigits)
                          .ptr;
    std::transform(buffer.begin(), end, buffer.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    text.append({buffer.data(), static_cast<std::size_t>(end - buffer.data())});
}

} // namespace

std::u16string FormatNumber(double value)
{
    if (value == 0.0) // both zeros
        return u"0";
    TextBuffer text;
    if (std::signbit(value))
        text.push(u'-');
    const double magnitude = std::fabs(value);
    if (!AppendFifteenDigits(text, magnitude))
        AppendByLibrary(text, magnitude);
    return text.text();
}

} // namespace tenvex
