#include "convert.h"

#include "runtime/floating_point.h"
#include "runtime/number_format.h"
#include "runtime/number_reading.h"
#include "runtime/text.h"

#include <algorithm>

namespace tenvex {

namespace {

constexpr double Base = 10.0;

const PrefixEntry &FindPrefix(std::u16string_view name)
{
    const auto row = std::find_if(PrefixTable.begin(), PrefixTable.end(),
                                  [name](const PrefixEntry &entry) { return entry.name == name; });
    if (row == PrefixTable.end())
        throw UnknownPrefixError(name);
    return *row;
}

double ScaleFrom(double value, std::u16string_view fromName)
{
    const PrefixEntry &prefix = FindPrefix(fromName);
    if (prefix.exponent == 0)
        return value;
    return CheckedProduct(Power(Base, prefix.exponent), value);
}

double ScaleTo(double value, std::u16string_view toName)
{
    const PrefixEntry &prefix = FindPrefix(toName);
    if (prefix.exponent == 0)
        return value;
    return CheckedQuotient(value, Power(Base, prefix.exponent));
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
