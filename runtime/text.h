#pragma once

#include <string>
#include <string_view>

namespace tenvex {

// Control texts are UTF-16; messages are UTF-8. A lone surrogate becomes U+FFFD.
[[nodiscard]] std::string ToUtf8(std::u16string_view text);

// The text in double quotes for an error message, cut short with an ellipsis when it is longer
// than a message can usefully show.
[[nodiscard]] std::string QuoteForMessage(std::u16string_view text);

} // namespace tenvex
