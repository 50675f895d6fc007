// SPDX-License-Identifier: MIT
#include "prefix_conversion.h"

#include "floating_point.h"
#include "number_reading.h"

#include <algorithm>

namespace tenvex {

namespace {

// Names are told apart by their length and first letter before they are compared whole (no
// name of the table is empty, so a first letter is read only where both have one).
const PrefixEntry &FindPrefix(std::u16string_view name, PrefixBox box)
{
    for (const PrefixEntry &row : PrefixTable) {
        if (row.name.size() == name.size() && row.name.front() == name.front() && row.name == name)
            return row;
    }
    throw UnknownPrefix(box, name);
}

double ScaleFrom(double value, std::u16string_view fromName)
{
    const PrefixEntry &prefix = FindPrefix(fromName, PrefixBox::From);
    return prefix.exponent == 0 ? value : CheckedProduct(prefix.factor, value);
}

double ScaleTo(double value, std::u16string_view toName)
{
    const PrefixEntry &prefix = FindPrefix(toName, PrefixBox::To);
    return prefix.exponent == 0 ? value : CheckedQuotient(value, prefix.factor);
}

} // namespace

UnknownPrefix::UnknownPrefix(PrefixBox box, std::u16string_view name)
    : Error(name)
    , m_box(box)
{}

const char *UnknownPrefix::what() const noexcept
{
    return m_box == PrefixBox::From ? "unknown source prefix" : "unknown target prefix";
}

std::u16string UnknownPrefix::message() const
{
    return std::u16string(m_box == PrefixBox::From ? u"The From prefix" : u"The To prefix")
        + u" box holds " + Quoted(text())
        + u", which is not a prefix name. Choose a name from the list; names are case-sensitive,"
          u" as in \"Kilo (K)\" and \"milli (m)\".";
}

NumberText ConvertQuantity(std::u16string_view inputText, std::u16string_view fromName,
                           std::u16string_view toName)
{
    const double value = ScaleFrom(ReadNumber(inputText), fromName);
    return FormatNumber(ScaleTo(value, toName));
}

} // namespace tenvex
