// SPDX-License-Identifier: MIT
#include "prefix_conversion.h"

#include "error.h"
#include "floating_point.h"
#include "number_reading.h"

#include <algorithm>

namespace tenvex {

namespace {

// Names are told apart by their length and first letter before they are compared whole (no
// name of the table is empty, so a first letter is read only where both have one).
const PrefixEntry &FindPrefix(std::u16string_view name, ErrorKind unknown)
{
    for (const PrefixEntry &row : PrefixTable) {
        if (row.name.size() == name.size() && row.name.front() == name.front() && row.name == name)
            return row;
    }
    throw Error(unknown, name);
}

double ScaleFrom(double value, std::u16string_view fromName)
{
    const PrefixEntry &prefix = FindPrefix(fromName, ErrorKind::UnknownFromPrefix);
    return prefix.exponent == 0 ? value : CheckedProduct(prefix.factor, value);
}

double ScaleTo(double value, std::u16string_view toName)
{
    const PrefixEntry &prefix = FindPrefix(toName, ErrorKind::UnknownToPrefix);
    return prefix.exponent == 0 ? value : CheckedQuotient(value, prefix.factor);
}

} // namespace

NumberText ConvertQuantity(std::u16string_view inputText, std::u16string_view fromName,
                           std::u16string_view toName)
{
    const double value = ScaleFrom(ReadNumber(inputText), fromName);
    return FormatNumber(ScaleTo(value, toName));
}

} // namespace tenvex
