#include "convert.h"

#include "runtime/floating_point.h"
#include "runtime/number_format.h"
#include "runtime/number_reading.h"
#include "runtime/text.h"

#include <cstddef>

namespace tenvex {

namespace {

constexpr double Base = 10.0;

// A row of PrefixTable with its factor, 10 raised to its exponent by the power function.
struct Prefix
{
    int exponent;
    double factor;
};

// The power function is the dearest step of a conversion, and its results never change: each
// row's factor is computed once, on first use.
using Factors = std::array<double, PrefixTable.size()>;

const Factors &FactorsOfTable()
{
    static const Factors factors = [] {
        Factors powers{};
        for (std::size_t row = 0; row < PrefixTable.size(); ++row)
            powers[row] = Power(Base, PrefixTable[row].exponent);
        return powers;
    }();
    return factors;
}

Prefix FindPrefix(std::u16string_view name)
{
    for (std::size_t row = 0; row < PrefixTable.size(); ++row) {
        if (PrefixTable[row].name == name)
            return {PrefixTable[row].exponent, FactorsOfTable()[row]};
    }
    throw UnknownPrefixError(name);
}

double ScaleFrom(double value, std::u16string_view fromName)
{
    const Prefix prefix = FindPrefix(fromName);
    if (prefix.exponent == 0)
        return value;
    return CheckedProduct(prefix.factor, value);
}

double ScaleTo(double value, std::u16string_view toName)
{
    const Prefix prefix = FindPrefix(toName);
    if (prefix.exponent == 0)
        return value;
    return CheckedQuotient(value, prefix.factor);
}

} // namespace

UnknownPrefixError::UnknownPrefixError(std::u16string_view name)
    : std::invalid_argument("Unknown prefix " + QuoteForMessage(name)
                            + ". Prefix names are case-sensitive and written as in the lists,"
                              " for example \"Kilo (K)\" or \"milli (m)\".")
    , m_name(name)
{}

std::u16string ConvertQuantity(std::u16string_view inputText, std::u16string_view fromName,
                               std::u16string_view toName)
{
    double value = ReadNumber(inputText);
    value = ScaleFrom(value, fromName);
    const double result = ScaleTo(value, toName);
    return FormatNumber(result);
}

} // namespace tenvex
