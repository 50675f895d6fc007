#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tenvex {

// One SI prefix: the name as the user sees it and the power of ten it stands for.
struct PrefixEntry
{
    std::u16string_view name;
    int exponent;
};

// Every prefix name understood, in the order they are tested. The lists offer all but "deci (d)",
// which is understood when typed. "Unit" is the only row without arithmetic.
inline constexpr std::array<PrefixEntry, 11> PrefixTable{{
    {u"Tera (T)", 12},
    {u"Giga (G)", 9},
    {u"Mega (M)", 6},
    {u"Kilo (K)", 3},
    {u"Unit", 0},
    {u"deci (d)", -1},
    {u"centi (c)", -2},
    {u"milli (m)", -3},
    {u"micro (u)", -6},
    {u"nano (n)", -9},
    {u"pico (p)", -12},
}};

// A prefix name that matches no row of PrefixTable exactly (names are case-sensitive).
class UnknownPrefixError final : public std::invalid_argument
{
public:
    explicit UnknownPrefixError(std::u16string_view name);

    [[nodiscard]] const std::u16string &name() const noexcept { return m_name; }

private:
    std::u16string m_name;
};

// Rewrites the quantity that inputText begins with from the prefix fromName to the prefix toName
// and returns it as text. The number is read first, then fromName is looked up and applied by
// multiplying by its factor, then toName by dividing by its factor (a true division, so "milli (m)"
// divides by the double nearest 0.001); "Unit" does no arithmetic. The first error ends the call:
// RuntimeError from the reading, UnknownPrefixError, or FloatingPointError when a step overflows.
[[nodiscard]] std::u16string ConvertQuantity(std::u16string_view inputText,
                                             std::u16string_view fromName,
                                             std::u16string_view toName);

} // namespace tenvex
