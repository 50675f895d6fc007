#pragma once

#include <QString>

#include <string>
#include <string_view>

// Control texts are UTF-16 on both sides, so these conversions copy nothing or only copy.
inline std::u16string_view View(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()),
            static_cast<std::size_t>(text.size())};
}

inline QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// 17 significant digits name a double uniquely and the sign of zero shows: comparing these texts
// compares doubles exactly, with a readable message when they differ.
inline QString Exact(double value)
{
    return QString::number(value, 'g', 17);
}
