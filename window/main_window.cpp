// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "floating_point.h"
#include "form.h"
#include "form_layout.h"
#include "prefix_conversion.h"

#include <array>

namespace tenvex {

namespace {

constexpr std::u16string_view NoPrefix = u"Unit";

// Where a window of `window` twips goes to be centred on a screen of `screen` twips: the
// difference and its half are taken in double precision, under the floating-point test, and
// only the edge is stored in single precision. A screen smaller than the window gives a negative
// edge; it is not clamped.
float CentredEdge(float screen, float window)
{
    return static_cast<float>(CheckedQuotient(CheckedDifference(screen, window), 2.0));
}

void Load(Form &form)
{
    const TwipsSize screen = form.screenSize();
    const TwipsSize outer = form.outerSize();
    form.setLeft(CentredEdge(screen.width, outer.width));
    form.setTop(CentredEdge(screen.height, outer.height));
    form.setText(u"cmbFromUnit", NoPrefix);
    form.setText(u"cmbToUnit", NoPrefix);
}

void InputChanged(Form &form)
{
    form.setText(u"lblTo", u"");
}

void ConvertClicked(Form &form)
{
    const std::u16string input = form.text(u"txtFrom");
    const std::u16string fromName = form.text(u"cmbFromUnit");
    const std::u16string toName = form.text(u"cmbToUnit");
    form.setText(u"lblTo", ConvertQuantity(input, fromName, toName));
}

constexpr std::u16string_view Window = u"frmTenvex";
constexpr double Title = 13.5; // points
constexpr double Body = 9.75;

using enum ControlKind;

// The controls in a tree of three levels: the window, two frames, the controls inside them.
constexpr std::array Controls{
    ControlDescription{.name = u"Label1",
                       .kind = Label,
                       .parent = Window,
                       .geometry = {840, 120, 3255, 495},
                       .text = u"Orvid Tenvex",
                       .fontSize = Title,
                       .tabIndex = 0,
                       .alignment = Alignment::Centre},
    ControlDescription{.name = u"Frame1",
                       .kind = Frame,
                       .parent = Window,
                       .geometry = {120, 720, 2295, 1815},
                       .text = u"From",
                       .fontSize = Body,
                       .tabIndex = 1},
    ControlDescription{.name = u"txtFrom",
                       .kind = TextBox,
                       .parent = u"Frame1",
                       .geometry = {240, 480, 1575, 375},
                       .text = u"1",
                       .fontSize = Body,
                       .tabIndex = 2,
                       .accessibleName = u"Quantity"},
    ControlDescription{.name = u"cmbFromUnit",
                       .kind = ComboBox,
                       .parent = u"Frame1",
                       .geometry = {240, 1080, 1575, 360},
                       .text = u"prefix",
                       .fontSize = Body,
                       .tabIndex = 4,
                       .listEntries = ListedPrefixNames,
                       .accessibleName = u"From prefix"},
    ControlDescription{.name = u"Frame2",
                       .kind = Frame,
                       .parent = Window,
                       .geometry = {2520, 720, 2175, 1815},
                       .text = u"To",
                       .fontSize = Body,
                       .tabIndex = 3},
    ControlDescription{.name = u"lblTo",
                       .kind = Label,
                       .parent = u"Frame2",
                       .geometry = {120, 480, 1575, 375},
                       .text = u"1",
                       .fontSize = Body,
                       .tabIndex = 6,
                       .border = Border::FixedSingle,
                       .background = SystemColour::Window,
                       .foreground = SystemColour::WindowText,
                       .accessibleName = u"Result"},
    ControlDescription{.name = u"cmbToUnit",
                       .kind = ComboBox,
                       .parent = u"Frame2",
                       .geometry = {120, 1080, 1575, 360},
                       .text = u"prefix",
                       .fontSize = Body,
                       .tabIndex = 5,
                       .listEntries = ListedPrefixNames,
                       .accessibleName = u"To prefix"},
    ControlDescription{.name = u"cmdCalculate",
                       .kind = CommandButton,
                       .parent = Window,
                       .geometry = {1440, 2760, 2055, 495},
                       .text = u"Convert",
                       .fontSize = Title,
                       .tabIndex = 7},
};

constexpr std::array Events{
    EventBinding{Window, EventKind::Load, Load},
    EventBinding{u"txtFrom", EventKind::Change, InputChanged},
    EventBinding{u"cmdCalculate", EventKind::Click, ConvertClicked},
};

} // namespace

constexpr FormDescription MainWindow{
    .name = Window,
    .caption = u"Orvid Tenvex",
    .clientWidth = 4860,
    .clientHeight = 3525,
    .fontFace = u"MS Sans Serif",
    .bold = true,
    .controls = Controls,
    .events = Events,
};
static_assert(IsWellFormed(MainWindow));

} // namespace tenvex
