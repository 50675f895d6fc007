// SPDX-License-Identifier: MIT
#include "fifteen_digits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <compare>
#include <cstddef>
#include <cstring>
#include <utility>

namespace tenvex::detail {

namespace {

constexpr std::uint64_t FirstFifteenDigitNumber = 100'000'000'000'000;
constexpr std::uint64_t FirstSixteenDigitNumber = 1'000'000'000'000'000;

// 5^0 to 5^27, the powers of five in 64 bits.
constexpr auto PowersOfFive = [] {
    std::array<std::uint64_t, 28> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t &entry : powers) {
        entry = power;
        power *= 5;
    }
    return powers;
}();

// A whole number in 32-bit limbs, least significant first. The largest held below is a
// numerator below 2^840 (a significand of 53 bits times 5^338), well within 1024 bits.
class BigNumber
{
public:
    explicit BigNumber(std::uint64_t value) noexcept
    {
        m_limbs[0] = static_cast<std::uint32_t>(value);
        m_limbs[1] = static_cast<std::uint32_t>(value >> 32);
        m_size = m_limbs[1] != 0 ? 2 : 1;
    }

    // Only the limbs in use are copied, and only they are ever read.
    BigNumber(const BigNumber &other) noexcept
        : m_size(other.m_size)
    {
        std::copy_n(other.m_limbs.begin(), m_size, m_limbs.begin());
    }
    BigNumber &operator=(const BigNumber &) = delete;

    // Each step's carry stays below 2^64: at most (2^32 - 1) x (2^32 - 1) + 2 (2^32 - 1).
    void multiply(std::uint64_t factor) noexcept
    {
        const std::uint64_t low = factor & 0xffff'ffff;
        const std::uint64_t high = factor >> 32;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < m_size; ++i) {
            const std::uint64_t limb = m_limbs[i];
            const std::uint64_t lowProduct = limb * low + (carry & 0xffff'ffff);
            m_limbs[i] = static_cast<std::uint32_t>(lowProduct);
            carry = (carry >> 32) + (lowProduct >> 32) + limb * high;
        }
        for (; carry != 0; carry >>= 32)
            m_limbs[m_size++] = static_cast<std::uint32_t>(carry);
        if (factor == 0)
            m_size = 1;
    }

    void multiplyByPowerOfFive(int exponent) noexcept
    {
        constexpr int Largest = static_cast<int>(PowersOfFive.size()) - 1;
        for (; exponent > Largest; exponent -= Largest)
            multiply(PowersOfFive[Largest]);
        multiply(PowersOfFive[static_cast<std::size_t>(exponent)]);
    }

    void shiftLeft(int bits) noexcept
    {
        const auto limbs = static_cast<std::size_t>(bits / 32);
        const int within = bits % 32;
        if (within != 0) {
            std::uint32_t carry = 0;
            for (std::size_t i = 0; i < m_size; ++i) {
                const std::uint32_t limb = m_limbs[i];
                m_limbs[i] = limb << within | carry;
                carry = limb >> (32 - within);
            }
            if (carry != 0)
                m_limbs[m_size++] = carry;
        }
        if (limbs != 0) {
            std::copy_backward(m_limbs.begin(), m_limbs.begin() + m_size,
                               m_limbs.begin() + m_size + limbs);
            std::fill_n(m_limbs.begin(), limbs, 0);
            m_size += limbs;
        }
    }

    // Requires other <= *this.
    void subtract(const BigNumber &other) noexcept
    {
        std::uint32_t borrow = 0;
        for (std::size_t i = 0; i < m_size; ++i) {
            const std::uint64_t taken
                = (i < other.m_size ? std::uint64_t{other.m_limbs[i]} : 0) + borrow;
            borrow = std::uint64_t{m_limbs[i]} < taken ? 1 : 0;
            m_limbs[i] = static_cast<std::uint32_t>(std::uint64_t{m_limbs[i]} - taken);
        }
        while (m_size > 1 && m_limbs[m_size - 1] == 0)
            --m_size;
    }

    friend std::strong_ordering operator<=>(const BigNumber &left, const BigNumber &right) noexcept
    {
        if (left.m_size != right.m_size)
            return left.m_size <=> right.m_size;
        for (std::size_t i = left.m_size; i-- > 0;) {
            if (left.m_limbs[i] != right.m_limbs[i])
                return left.m_limbs[i] <=> right.m_limbs[i];
        }
        return std::strong_ordering::equal;
    }

private:
    std::array<std::uint32_t, 32> m_limbs; // those from m_size on are never read
    std::size_t m_size = 1;
};

// 10^0 to 10^22, the powers of ten a double holds exactly.
constexpr auto ExactPowersOfTen = [] {
    std::array<double, 23> powers{};
    double power = 1.0;
    for (double &entry : powers) {
        entry = power;
        power *= 10.0;
    }
    return powers;
}();

// magnitude x 10^power in doubles: within a few units of the whole part when that has about
// fifteen digits, each of the at most sixteen steps rounding once.
double ScaleApproximately(double magnitude, int power)
{
    constexpr int Step = 22;
    for (; power > Step; power -= Step)
        magnitude *= ExactPowersOfTen[Step];
    for (; power < -Step; power += Step)
        magnitude /= ExactPowersOfTen[Step];
    const double factor = ExactPowersOfTen[static_cast<std::size_t>(std::abs(power))];
    return power < 0 ? magnitude / factor : magnitude * factor;
}

// significand x 2^binaryExponent x 10^power, exactly, as its whole part and how the rest
// compares with one half: the estimate of the whole part, made in doubles, corrected against the
// exact fraction numerator / denominator.
struct Scaled
{
    std::uint64_t whole;
    std::strong_ordering restToHalf;
};

Scaled ScaleExactly(std::uint64_t significand, int binaryExponent, int power, double estimate)
{
    BigNumber numerator(significand);
    BigNumber denominator(1);
    if (power >= 0)
        numerator.multiplyByPowerOfFive(power);
    else
        denominator.multiplyByPowerOfFive(-power);
    const int twos = binaryExponent + power;
    if (twos >= 0)
        numerator.shiftLeft(twos);
    else
        denominator.shiftLeft(-twos);

    auto whole = static_cast<std::uint64_t>(estimate);
    BigNumber product = denominator;
    product.multiply(whole);
    for (; product > numerator; --whole)
        product.subtract(denominator);
    BigNumber &rest = numerator;
    rest.subtract(product);
    for (; rest >= denominator; ++whole)
        rest.subtract(denominator);
    rest.shiftLeft(1);
    return {whole, rest <=> denominator};
}

// a x b exactly, as the rounded product and its rounding error (Dekker's product: each factor
// split into two halves of 26 bits, whose products doubles hold exactly). Requires doubles
// computed as doubles, with no fused multiply-add (the build turns contraction off), and neither
// overflow nor underflow.
struct ExactProduct
{
    double product;
    double error;
};

ExactProduct MultiplyExactly(double a, double b)
{
    const auto split = [](double x) {
        const double scaled = 134'217'729.0 * x; // 2^27 + 1
        const double high = scaled - (scaled - x);
        return std::pair{high, x - high};
    };
    const auto [aHigh, aLow] = split(a);
    const auto [bHigh, bLow] = split(b);
    const double product = a * b;
    return {product, ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow};
}

std::strong_ordering Compare(double left, double right)
{
    if (left < right)
        return std::strong_ordering::less;
    return left > right ? std::strong_ordering::greater : std::strong_ordering::equal;
}

// estimate + error / divisor as its whole part and how the rest compares with one half, for
// 1 <= estimate < 2^53, divisor > 0 and |error / divisor| at most half a unit in estimate's last
// place. Every operation below is exact.
Scaled SplitExactly(double estimate, double error, double divisor)
{
    const auto whole = static_cast<std::uint64_t>(estimate);
    const double fraction = estimate - static_cast<double>(whole);
    if (fraction == 0.0 && error < 0.0) // just below a whole number: rest = 1 + error / divisor
        return {whole - 1, Compare(2.0 * error, -divisor)};
    if (fraction == 0.0)
        return {whole, Compare(2.0 * error, divisor)};
    // A fraction is a multiple of a last place of at most one half, so it lies a whole last place
    // or more from one half, beyond the error, unless it is one half.
    if (fraction != 0.5)
        return {whole, Compare(fraction, 0.5)};
    return {whole, Compare(error, 0.0)};
}

// magnitude x 10^power, whose significand and binary exponent are given, as its whole part and
// rest. A power that a double holds exactly scales in one rounded step, whose error is found
// exactly; other powers, and whole parts beyond 2^53, take the exact fraction.
Scaled Scale(double magnitude, std::uint64_t significand, int binaryExponent, int power)
{
    constexpr double TwoToThe53 = 9'007'199'254'740'992.0;
    const std::size_t steps = static_cast<std::size_t>(std::abs(power));
    if (steps < ExactPowersOfTen.size()) {
        const double factor = ExactPowersOfTen[steps];
        if (power >= 0) {
            const ExactProduct scaled = MultiplyExactly(magnitude, factor);
            if (scaled.product < TwoToThe53)
                return SplitExactly(scaled.product, scaled.error, 1.0);
        } else {
            // The remainder of a correctly rounded quotient is a double, found exactly.
            const double quotient = magnitude / factor;
            const ExactProduct back = MultiplyExactly(quotient, factor);
            if (quotient < TwoToThe53)
                return SplitExactly(quotient, (magnitude - back.product) - back.error, factor);
        }
    }
    return ScaleExactly(significand, binaryExponent, power, ScaleApproximately(magnitude, power));
}

} // namespace

FifteenDigits RoundToFifteenDigits(double magnitude)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const auto biasedExponent = static_cast<int>(bits >> 52);
    std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
    if (biasedExponent != 0) // not subnormal
        significand |= std::uint64_t{1} << 52;
    // magnitude = significand x 2^binaryExponent, exactly
    const int binaryExponent = std::max(biasedExponent, 1) - 1075;
    // floor(log10(2^(b - 1))) for magnitude in [2^(b-1), 2^b), 78913 / 2^18 being log10(2)
    // closely enough: the decimal exponent, or one less, or less again for a subnormal; the loop
    // settles it.
    int exponent = ((binaryExponent + 52) * 78913) >> 18;
    Scaled scaled = Scale(magnitude, significand, binaryExponent, 14 - exponent);
    while (scaled.whole < FirstFifteenDigitNumber || scaled.whole >= FirstSixteenDigitNumber) {
        exponent += scaled.whole < FirstFifteenDigitNumber ? -1 : 1;
        scaled = Scale(magnitude, significand, binaryExponent, 14 - exponent);
    }
    std::uint64_t digits = scaled.whole;
    if (scaled.restToHalf == std::strong_ordering::greater
        || (scaled.restToHalf == std::strong_ordering::equal && digits % 2 == 1))
        ++digits;
    if (digits == FirstSixteenDigitNumber) {
        digits = FirstFifteenDigitNumber;
        ++exponent;
    }
    return {digits, exponent};
}

} // namespace tenvex::detail
