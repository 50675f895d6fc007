// SPDX-License-Identifier: MIT
#include "web_page.h"

#include <emscripten/emscripten.h>

// A text is passed as its UTF-16 units and their count; the page's `text` makes its string.
// clang-format off
EM_JS(void, JsPassText, (const char16_t *units, int length), {
    Module.tenvex.pass(Module.tenvex.text(units, length));
});
EM_JS(void, JsPassNumber, (double number), { Module.tenvex.pass(number); });
EM_JS(double, JsCallPassed, (const char16_t *name, int length), {
    return Module.tenvex.call(Module.tenvex.text(name, length));
});
EM_JS(int, JsCallPassedForText, (const char16_t *name, int length), {
    return Module.tenvex.callForText(Module.tenvex.text(name, length));
});
EM_JS(void, JsCopyReported, (char16_t *units), { Module.tenvex.copyReported(units); });
// clang-format on

namespace tenvex {

namespace {

int Length(std::u16string_view text)
{
    return static_cast<int>(text.size());
}

} // namespace

void PassToPage(std::u16string_view text)
{
    JsPassText(text.data(), Length(text));
}

void PassToPage(double number)
{
    JsPassNumber(number);
}

double CallPassed(std::u16string_view function)
{
    return JsCallPassed(function.data(), Length(function));
}

std::u16string CallPassedForText(std::u16string_view function)
{
    return ReportedText(
        static_cast<std::size_t>(JsCallPassedForText(function.data(), Length(function))));
}

std::u16string ReportedText(std::size_t length)
{
    std::u16string text(length, u'\0');
    JsCopyReported(text.data());
    return text;
}

} // namespace tenvex
