// SPDX-License-Identifier: MIT
#include "web_form.h"

#include "form_error.h"
#include "form_layout.h"
#include "web_page.h"

#include <algorithm>

namespace tenvex {

namespace {

constexpr int CssDotsPerInch = 96;

double Px(double twips)
{
    return Pixels(twips, CssDotsPerInch);
}

std::u16string_view CssColour(SystemColour colour)
{
    switch (colour) {
    case SystemColour::Window:
        return u"Canvas";
    case SystemColour::WindowText:
        return u"CanvasText";
    case SystemColour::ButtonFace:
        return u"ButtonFace";
    case SystemColour::ButtonText:
        return u"ButtonText";
    }
    return u"CanvasText";
}

} // namespace

WebForm::WebForm(const FormDescription &description)
    : m_description(description)
    , m_captions(description.controls.size())
{
    CallPage(u"makePanel", description.name, description.caption, Px(description.clientWidth),
             Px(description.clientHeight), description.fontFace, description.bold);
    for (std::size_t place = 0; place < description.controls.size(); ++place)
        createControl(place);
}

void WebForm::createControl(std::size_t place)
{
    const ControlDescription &control = m_description.controls[place];
    const int parent = control.parent == m_description.name
        ? PagePanel
        : static_cast<int>(ControlIndex(m_description, control.parent));
    static constexpr std::u16string_view Kinds[]
        = {u"label", u"frame", u"textbox", u"combobox", u"button"};
    CallPage(u"makeControl", place, parent, control.name, Kinds[static_cast<int>(control.kind)],
             control.accessibleName, IsOutputBox(control), TextLengthLimit);
    for (const std::u16string_view entry : control.listEntries)
        CallPage(u"addEntry", place, entry);
    const TwipsRect &geometry = control.geometry;
    CallPage(u"place", place, Px(geometry.left), Px(geometry.top), Px(geometry.width),
             Px(geometry.height), control.fontSize, control.alignment == Alignment::Centre);
    if (TakesColours(control))
        CallPage(u"colour", place, CssColour(control.background), CssColour(control.foreground));
    // The first caption is shortened to fit, as every later one is: under the guard too.
    RunGuarded(*this, [this, &control] { setText(control.name, control.text); });
}

void WebForm::open()
{
    RaiseEvent(*this, m_description, m_description.name, EventKind::Load);
    CallPage(u"show");
    if (const auto first = FirstFocus(m_description))
        CallPage(u"focusInput", *first);
}

void WebForm::raise(std::size_t place, EventKind event) noexcept
{
    RaiseEvent(*this, m_description, m_description.controls[place].name, event);
}

void WebForm::insert(std::size_t place, std::size_t length, std::size_t kept) noexcept
{
    RunGuarded(*this, [&] {
        CallPage(
            u"insertText", place,
            InsertedLine(DisplayName(m_description.controls[place]), ReportedText(length), kept));
    });
}

std::u16string WebForm::text(std::u16string_view control) const
{
    const std::size_t place = ControlIndex(m_description, control);
    switch (m_description.controls[place].kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        return CallPageForText(u"value", place);
    default:
        return m_captions[place];
    }
}

void WebForm::setText(std::u16string_view control, std::u16string_view text)
{
    const std::size_t place = ControlIndex(m_description, control);
    switch (m_description.controls[place].kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        CallPage(u"setValue", place, text);
        return;
    default:
        m_captions[place] = text;
        showCaption(place);
    }
}

// An output box shows the longest form of its caption that fits, and keeps the whole caption
// for screen readers, its tooltip and copying; other captions are shown as they are.
void WebForm::showCaption(std::size_t place)
{
    const ControlDescription &control = m_description.controls[place];
    if (!IsOutputBox(control)) {
        CallPage(u"setCaption", place, m_captions[place]);
        return;
    }
    const ResultView view = ResultViewOf(m_captions[place], [place](std::u16string_view shown) {
        return CallPage(u"fits", place, shown) != 0;
    });
    const AccessibleOutput output = AccessibleOutputOf(control, m_captions[place]);
    CallPage(u"showResult", place, view.shown, view.tooltip, output.value, output.announced);
}

TwipsSize WebForm::outerSize() const
{
    return {Twips(static_cast<int>(CallPage(u"width", PagePanel)), CssDotsPerInch),
            Twips(static_cast<int>(CallPage(u"height", PagePanel)), CssDotsPerInch)};
}

// A page cannot be scrolled to what lies above or left of its origin: a panel wider or taller
// than the viewport starts at its edge, and the rest is reached by scrolling.
void WebForm::setLeft(float left)
{
    CallPage(u"setLength", PagePanel, u"left", Px(std::max(left, 0.0F)));
}

void WebForm::setTop(float top)
{
    CallPage(u"setLength", PagePanel, u"top", Px(std::max(top, 0.0F)));
}

TwipsSize WebForm::screenSize() const
{
    return {Twips(static_cast<int>(CallPage(u"viewportWidth")), CssDotsPerInch),
            Twips(static_cast<int>(CallPage(u"viewportHeight")), CssDotsPerInch)};
}

void WebForm::reportError(std::u16string_view message)
{
    CallPage(u"showError", m_description.caption, UnbrokenQuotes(message));
}

} // namespace tenvex
