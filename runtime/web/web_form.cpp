// SPDX-License-Identifier: MIT
#include "web_form.h"

#include "error.h"
#include "form_layout.h"
#include "web_text.h"

#include <algorithm>
#include <string>

namespace tenvex {

namespace {

using emscripten::val;

constexpr int CssDotsPerInch = 96;

std::string Px(double twips)
{
    return std::to_string(Pixels(twips, CssDotsPerInch)) + "px";
}

std::string CssColour(SystemColour colour)
{
    switch (colour) {
    case SystemColour::Window:
        return "Canvas";
    case SystemColour::WindowText:
        return "CanvasText";
    case SystemColour::ButtonFace:
        return "ButtonFace";
    case SystemColour::ButtonText:
        return "ButtonText";
    }
    return "CanvasText";
}

// The page's helpers (controls.js): they make the combo box and bind events to this program.
val Helper(const char *name)
{
    return val::module_property("tenvex")[name];
}

} // namespace

WebForm::WebForm(const FormDescription &description)
    : m_description(description)
    , m_document(val::global("document"))
    , m_panel(Helper("makePanel")(ToJs(description.name), ToJs(description.caption),
                                  Px(description.clientWidth), Px(description.clientHeight),
                                  ToJs(description.fontFace), description.bold))
    , m_captions(description.controls.size())
{
    m_document.set("title", ToJs(description.caption));
    m_elements.reserve(description.controls.size());
    for (std::size_t place = 0; place < description.controls.size(); ++place)
        createControl(place);
}

void WebForm::createControl(std::size_t place)
{
    const ControlDescription &control = m_description.controls[place];
    const val parent = control.parent == m_description.name
        ? m_panel["client"]
        : m_elements[ControlIndex(m_description, control.parent)];
    val entries = val::array();
    for (const std::u16string_view entry : control.listEntries)
        entries.call<void>("push", ToJs(entry));
    static constexpr const char *Kinds[] = {"label", "frame", "textbox", "combobox", "button"};
    const val element = Helper("makeControl")(
        parent, ToJs(control.name), val(Kinds[static_cast<int>(control.kind)]), place,
        ToJs(control.accessibleName), entries, IsOutputBox(control), TextLengthLimit);
    m_elements.push_back(element);
    val style = element["style"];
    style.set("left", Px(control.geometry.left));
    style.set("top", Px(control.geometry.top));
    style.set("width", Px(control.geometry.width));
    style.set("height", Px(control.geometry.height));
    style.set("fontSize", std::to_string(control.fontSize) + "pt");
    if (control.alignment == Alignment::Centre)
        style.set("textAlign", "center");
    if (TakesColours(control)) {
        style.set("background", CssColour(control.background));
        style.set("color", CssColour(control.foreground));
    }
    // The first caption is shortened to fit, as every later one is: under the guard too.
    RunGuarded(*this, [this, &control] { setText(control.name, control.text); });
}

void WebForm::open()
{
    RaiseEvent(*this, m_description, m_description.name, EventKind::Load);
    m_panel["style"].set("visibility", "visible");
    if (const auto first = FirstFocus(m_description))
        Helper("focusInput")(m_elements[*first]);
}

void WebForm::raise(std::size_t place, EventKind event) noexcept
{
    RaiseEvent(*this, m_description, m_description.controls[place].name, event);
}

val WebForm::insertable(std::size_t place, std::u16string_view text, std::size_t kept) noexcept
{
    val line = val::null();
    RunGuarded(*this, [&] {
        if (kept + text.size() > TextLengthLimit)
            throw Error(ErrorKind::TextTooLong, DisplayName(m_description.controls[place]));
        line = ToJs(OneLine(text));
    });
    return line;
}

std::u16string WebForm::text(std::u16string_view control) const
{
    const std::size_t place = ControlIndex(m_description, control);
    switch (m_description.controls[place].kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        return FromJs(Helper("input")(m_elements[place])["value"]);
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
        Helper("input")(m_elements[place]).set("value", ToJs(text));
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
    const val element = m_elements[place];
    if (!IsOutputBox(control)) {
        Helper("setCaption")(element, ToJs(m_captions[place]));
        return;
    }
    const ResultView view = ResultViewOf(m_captions[place], [&element](std::u16string_view shown) {
        return Helper("fits")(element, ToJs(shown)).as<bool>();
    });
    const AccessibleOutput output = AccessibleOutputOf(control, m_captions[place]);
    Helper("showResult")(element, ToJs(view.shown), ToJs(view.tooltip), ToJs(output.value),
                         output.announced);
}

TwipsSize WebForm::outerSize() const
{
    return {Twips(m_panel["offsetWidth"].as<int>(), CssDotsPerInch),
            Twips(m_panel["offsetHeight"].as<int>(), CssDotsPerInch)};
}

// A page cannot be scrolled to what lies above or left of its origin: a panel wider or taller
// than the viewport starts at its edge, and the rest is reached by scrolling.
void WebForm::setLeft(float left)
{
    m_panel["style"].set("left", Px(std::max(left, 0.0F)));
}

void WebForm::setTop(float top)
{
    m_panel["style"].set("top", Px(std::max(top, 0.0F)));
}

TwipsSize WebForm::screenSize() const
{
    const val root = m_document["documentElement"];
    return {Twips(root["clientWidth"].as<int>(), CssDotsPerInch),
            Twips(root["clientHeight"].as<int>(), CssDotsPerInch)};
}

void WebForm::reportError(std::u16string_view message)
{
    Helper("showError")(ToJs(m_description.caption), ToJs(UnbrokenQuotes(message)));
}

} // namespace tenvex
