#include "number_format.h"

#include <array>
#include <charconv>

namespace tenvex {

namespace {

constexpr int SignificantDigits = 15;

constexpr char16_t ToUpperAscii(char c)
{
    return static_cast<char16_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

} // namespace

std::u16string FormatNumber(double value)
{
    if (value == 0.0) // both zeros
        return u"0";
    // The general format with a precision is printf's %g in the C locale; %G only capitalises.
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::general, SignificantDigits);
    std::u16string text;
    text.reserve(static_cast<std::size_t>(end - buffer.data()));
    for (const char *c = buffer.data(); c != end; ++c)
        text.push_back(ToUpperAscii(*c));
    return text;
}

} // namespace tenvex
