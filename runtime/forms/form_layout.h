// SPDX-License-Identifier: MIT
#pragma once

#include "form_description.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tenvex {

// What every back end derives from a window description, written once: a back end only makes
// its platform's widgets, places them and reads them.

inline constexpr int TwipsPerInch = 1440;

// A length in twips as whole pixels at a density, cut toward zero as halving a whole number of
// pixels is: 4860 twips are 324 pixels at 96 dots per inch.
[[nodiscard]] constexpr int Pixels(double twips, int dotsPerInch)
{
    return static_cast<int>(twips * dotsPerInch / TwipsPerInch);
}

[[nodiscard]] constexpr float Twips(int pixels, int dotsPerInch)
{
    return static_cast<float>(static_cast<double>(pixels) * TwipsPerInch / dotsPerInch);
}

// A label with a border is an output box: it shows a result, whole or visibly shortened, in the
// colours of an entry field, and the user can select and copy it but not type into it.
[[nodiscard]] constexpr bool IsOutputBox(const ControlDescription &control)
{
    return control.kind == ControlKind::Label && control.border == Border::FixedSingle;
}

// The name a message gives a control: the one screen readers read, else its name in the
// description.
[[nodiscard]] constexpr std::u16string_view DisplayName(const ControlDescription &control)
{
    return control.accessibleName.empty() ? control.name : control.accessibleName;
}

// What screen readers get of an output box, the same on every platform: a read-only text named by
// its accessible name, whose value and text are the whole caption, never the shortened form shown,
// and which has no description. A new caption is announced wherever the focus is, unless it is
// empty: a result cleared by an edit of the input is no news.
struct AccessibleOutput
{
    std::u16string_view name;
    std::u16string_view value;
    bool announced;
};

[[nodiscard]] constexpr AccessibleOutput AccessibleOutputOf(const ControlDescription &control,
                                                            std::u16string_view caption)
{
    return {DisplayName(control), caption, !caption.empty()};
}

// Labels and frames never take the focus; the other kinds are in the tab order.
[[nodiscard]] constexpr bool TakesFocus(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::ComboBox
        || kind == ControlKind::CommandButton;
}

// The one event a kind of control raises: a text box its change, a command button its click.
// Labels, frames and combo boxes raise none.
[[nodiscard]] constexpr std::optional<EventKind> EventOf(ControlKind kind)
{
    if (kind == ControlKind::TextBox)
        return EventKind::Change;
    if (kind == ControlKind::CommandButton)
        return EventKind::Click;
    return std::nullopt;
}

// Whether `source` (the window's name or a control's) raises `event`: the window its load, a
// control the event of its kind.
[[nodiscard]] constexpr bool RaisesEvent(const FormDescription &form, std::u16string_view source,
                                         EventKind event)
{
    if (event == EventKind::Load)
        return source == form.name;
    const auto control = std::find_if(form.controls.begin(), form.controls.end(),
                                      [source](const auto &c) { return c.name == source; });
    return control != form.controls.end() && EventOf(control->kind) == event;
}

// How many entries a combo box's open list shows at once: all of them, so that none is hidden
// behind a scroll bar, and room for one where there are none.
[[nodiscard]] constexpr int ListRows(const ControlDescription &control)
{
    return std::max(static_cast<int>(control.listEntries.size()), 1);
}

// Labels (output boxes among them) and frames are drawn in the description's colours; text
// boxes, combo boxes and buttons in the system's, as the user's settings make them.
[[nodiscard]] constexpr bool TakesColours(const ControlDescription &control)
{
    return control.kind == ControlKind::Label || control.kind == ControlKind::Frame;
}

// A description every back end can build: control names unique and none the window's, each
// control's parent the window or a frame described before it, tab indices unique, and every
// binding's source one that raises its event, with a handler.
[[nodiscard]] constexpr bool IsWellFormed(const FormDescription &form)
{
    const std::span<const ControlDescription> controls = form.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDescription &control = controls[i];
        if (control.name.empty() || control.name == form.name)
            return false;
        bool parentBefore = control.parent == form.name;
        for (const ControlDescription &earlier : controls.first(i)) {
            if (earlier.name == control.name || earlier.tabIndex == control.tabIndex)
                return false;
            parentBefore = parentBefore
                || (earlier.name == control.parent && earlier.kind == ControlKind::Frame);
        }
        if (!parentBefore)
            return false;
    }
    return std::all_of(
        form.events.begin(), form.events.end(), [&form](const EventBinding &binding) {
            return binding.handler != nullptr && RaisesEvent(form, binding.source, binding.event);
        });
}

// The place in the description of the control `name`; FormError(NoSuchControl) when it has none.
[[nodiscard]] std::size_t ControlIndex(const FormDescription &form, std::u16string_view name);

// The places of all controls in the order of their tab indices.
[[nodiscard]] std::vector<std::size_t> ControlsByTabIndex(const FormDescription &form);

// The control that has the focus when the window is first shown: the first in tab order that
// takes it.
[[nodiscard]] std::optional<std::size_t> FirstFocus(const FormDescription &form);

// The entry of a list that is exactly `text`, letter case included. Any other text, a name of
// another case or the beginning of an entry among them, is no entry: it stands as typed.
[[nodiscard]] std::optional<std::size_t>
ListEntryIndex(std::span<const std::u16string_view> entries, std::u16string_view text);

// What an output box shows of its caption: the longest form that fits where `fits` says
// (ShortenedNumber), and a tooltip with the whole caption only when that form is not all of it.
struct ResultView
{
    std::u16string shown;
    std::u16string tooltip;

    bool operator==(const ResultView &) const = default;
};

[[nodiscard]] ResultView ResultViewOf(std::u16string_view caption,
                                      const std::function<bool(std::u16string_view)> &fits);

// A text pasted or dropped into a single-line box keeps every line, each line break (CR LF, CR or
// LF) shown as one blank: the box would otherwise keep the first line alone, or a break it cannot
// show, and convert that without a word.
[[nodiscard]] std::u16string OneLine(std::u16string_view text);

// What a paste or a drop of `text` puts into the text box the user knows as `box`, beside the
// `kept` units staying there: its OneLine. FormError(TextTooLong) where the box could not hold
// it all: the change is refused whole.
[[nodiscard]] std::u16string InsertedLine(std::u16string_view box, std::u16string_view text,
                                          std::size_t kept);

// A message as a dialog shows it: every blank inside a pair of double quotes is a no-break space,
// so that a quoted name or number is never broken across lines, whatever the dialog's width.
[[nodiscard]] std::u16string UnbrokenQuotes(std::u16string_view message);

// Runs every handler the description binds to `event` of `source`, each through RunHandler.
void RaiseEvent(Form &form, const FormDescription &description, std::u16string_view source,
                EventKind event) noexcept;

} // namespace tenvex
