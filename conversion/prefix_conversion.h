// SPDX-License-Identifier: MIT
#pragma once

#include "error.h"
#include "number_format.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tenvex {

// One SI prefix: the name as the user sees it, the power of ten it stands for, and its factor,
// the double nearest 10 raised to the exponent (written out, so that no power function with its
// own rounding is involved).
struct PrefixEntry
{
    std::u16string_view name;
    int exponent;
    double factor;
    bool listed; // offered in the prefix lists; the others are understood when typed
};

// Every prefix name understood, in the order they are tested and listed. "Unit" is the only row
// without arithmetic.
inline constexpr std::array<PrefixEntry, 11> PrefixTable{{
    {u"Tera (T)", 12, 1e12, true},
    {u"Giga (G)", 9, 1e9, true},
    {u"Mega (M)", 6, 1e6, true},
    {u"Kilo (K)", 3, 1e3, true},
    {u"Unit", 0, 1e0, true},
    {u"deci (d)", -1, 1e-1, false},
    {u"centi (c)", -2, 1e-2, true},
    {u"milli (m)", -3, 1e-3, true},
    {u"micro (u)", -6, 1e-6, true},
    {u"nano (n)", -9, 1e-9, true},
    {u"pico (p)", -12, 1e-12, true},
}};

// The names the prefix lists offer, in table order.
inline constexpr auto ListedPrefixNames = [] {
    constexpr auto Listed = static_cast<std::size_t>(std::count_if(
        PrefixTable.begin(), PrefixTable.end(), [](const PrefixEntry &row) { return row.listed; }));
    std::array<std::u16string_view, Listed> names{};
    std::size_t next = 0;
    for (const PrefixEntry &row : PrefixTable) {
        if (row.listed)
            names[next++] = row.name;
    }
    return names;
}();

// The prefix boxes, as the user knows them.
enum class PrefixBox { From, To };

// A prefix box holds a name that matches no prefix; text() is the name.
class UnknownPrefix final : public Error
{
public:
    UnknownPrefix(PrefixBox box, std::u16string_view name);

    [[nodiscard]] PrefixBox box() const noexcept { return m_box; }
    [[nodiscard]] const char *what() const noexcept override;
    [[nodiscard]] std::u16string message() const override;

private:
    PrefixBox m_box;
};

// Rewrites the quantity that inputText begins with from the prefix fromName to the prefix toName
// and returns it as text. The number is read first, then fromName is looked up and applied by
// multiplying by its factor, then toName by dividing by its factor (a true division, so "milli (m)"
// divides by the double nearest 0.001); "Unit" does no arithmetic. Names match exactly, case
// included. The first error ends the call: one of the reading's, UnknownPrefix, or a NumberError
// of FloatingPointError when a step overflows.
[[nodiscard]] NumberText ConvertQuantity(std::u16string_view inputText,
                                         std::u16string_view fromName, std::u16string_view toName);

} // namespace tenvex
