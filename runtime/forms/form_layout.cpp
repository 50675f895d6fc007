// SPDX-License-Identifier: MIT
#include "form_layout.h"

#include "form.h"
#include "form_error.h"
#include "shortening.h"

#include <numeric>

namespace tenvex {

std::size_t ControlIndex(const FormDescription &form, std::u16string_view name)
{
    const auto control = std::find_if(form.controls.begin(), form.controls.end(),
                                      [name](const auto &c) { return c.name == name; });
    if (control == form.controls.end())
        throw FormError(FormErrorKind::NoSuchControl, name);
    return static_cast<std::size_t>(control - form.controls.begin());
}

std::vector<std::size_t> ControlsByTabIndex(const FormDescription &form)
{
    std::vector<std::size_t> order(form.controls.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&form](std::size_t left, std::size_t right) {
        return form.controls[left].tabIndex < form.controls[right].tabIndex;
    });
    return order;
}

std::optional<std::size_t> FirstFocus(const FormDescription &form)
{
    for (const std::size_t index : ControlsByTabIndex(form)) {
        if (TakesFocus(form.controls[index].kind))
            return index;
    }
    return std::nullopt;
}

std::optional<std::size_t> ListEntryIndex(std::span<const std::u16string_view> entries,
                                          std::u16string_view text)
{
    const auto entry = std::find(entries.begin(), entries.end(), text);
    if (entry == entries.end())
        return std::nullopt;
    return static_cast<std::size_t>(entry - entries.begin());
}

ResultView ResultViewOf(std::u16string_view caption,
                        const std::function<bool(std::u16string_view)> &fits)
{
    ResultView view{ShortenedNumber(caption, fits), {}};
    if (view.shown != caption)
        view.tooltip = caption;
    return view;
}

std::u16string OneLine(std::u16string_view text)
{
    std::u16string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // CR LF is one break
        line += text[i] == u'\r' || text[i] == u'\n' ? u' ' : text[i];
    }
    return line;
}

std::u16string InsertedLine(std::u16string_view box, std::u16string_view text, std::size_t kept)
{
    std::u16string line = OneLine(text);
    if (kept + line.size() > TextLengthLimit)
        throw FormError(FormErrorKind::TextTooLong, box);
    return line;
}

std::u16string UnbrokenQuotes(std::u16string_view message)
{
    std::u16string shown(message);
    bool quoted = false;
    for (char16_t &c : shown) {
        if (c == u'"')
            quoted = !quoted;
        else if (quoted && c == u' ')
            c = u'\u00A0';
    }
    return shown;
}

void RaiseEvent(Form &form, const FormDescription &description, std::u16string_view source,
                EventKind event) noexcept
{
    for (const EventBinding &binding : description.events) {
        if (binding.source == source && binding.event == event)
            RunHandler(form, binding.handler);
    }
}

} // namespace tenvex
