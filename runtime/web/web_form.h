// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

#include <string>
#include <vector>

namespace tenvex {

// A window built in the page from a well-formed description: a panel of the described client
// size (twips at 96 CSS pixels to the inch) under a title bar, an element per control whose id is
// the control's name, with its geometry, text, font and tab order. Every text box's change and
// every button's click raises that event of the description; errors that end a handler are shown
// in a modal dialog.
class WebForm final : public Form
{
public:
    explicit WebForm(const FormDescription &description);

    // Runs the load event, then shows the panel with the first control in tab order focused.
    void open();
    // Raises `event` of the control at `place` in the description, as the page reports it.
    void raise(std::size_t place, EventKind event) noexcept;
    // Puts the paste or the drop the page has just reported, `length` units long, into the text
    // box at `place`, beside the `kept` characters staying there: all its lines on one; nothing,
    // the user told why, where the box could not hold it all.
    void insert(std::size_t place, std::size_t length, std::size_t kept) noexcept;

    [[nodiscard]] std::u16string text(std::u16string_view control) const override;
    void setText(std::u16string_view control, std::u16string_view text) override;
    [[nodiscard]] TwipsSize outerSize() const override;
    void setLeft(float left) override;
    void setTop(float top) override;
    [[nodiscard]] TwipsSize screenSize() const override;
    void reportError(std::u16string_view message) override;

private:
    void createControl(std::size_t place);
    void showCaption(std::size_t place);

    const FormDescription &m_description;
    std::vector<std::u16string> m_captions; // of labels, frames and buttons, in full
};

} // namespace tenvex
