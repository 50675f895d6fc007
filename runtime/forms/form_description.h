// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tenvex {

class Form;

// A window and its controls as the program describes them, for the platform to build. Positions
// and sizes are in twips (1440 to the inch); a control's position is relative to the client area
// of its parent, the window or a frame.

enum class ControlKind { Label, Frame, TextBox, ComboBox, CommandButton };

enum class Alignment { Left, Centre };

enum class Border { None, FixedSingle };

// A colour as the description stores it: a system colour, with the high bit set and the
// system's colour index in the low byte.
enum class SystemColour : std::uint32_t {
    Window = 0x80000005,
    WindowText = 0x80000008,
    ButtonFace = 0x8000000F,
    ButtonText = 0x80000012,
};

struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;
};

struct ControlDescription
{
    std::u16string_view name;
    ControlKind kind;
    std::u16string_view parent; // the window's name or a frame's
    TwipsRect geometry;
    std::u16string_view text; // the initial text, or a caption
    double fontSize;          // points, in the window's face
    int tabIndex;             // the place in the tab order; labels and frames never take the focus
    Alignment alignment = Alignment::Left;
    // A label with a border and the window colours is drawn like an output box.
    Border border = Border::None;
    SystemColour background = SystemColour::ButtonFace;
    SystemColour foreground = SystemColour::ButtonText;
    std::span<const std::u16string_view> listEntries = {}; // a combo box's list, unsorted
    std::u16string_view accessibleName = {}; // for screen readers, where no caption is
};

enum class EventKind {
    Load,   // the window's, once, before it is first shown
    Change, // a text box's, on every change of its text
    Click,  // a command button's
};

using EventHandler = void (*)(Form &form);

struct EventBinding
{
    std::u16string_view source; // the window's name or a control's
    EventKind event;
    EventHandler handler;
};

struct FormDescription
{
    std::u16string_view name;
    std::u16string_view caption;
    int clientWidth; // twips
    int clientHeight;
    std::u16string_view fontFace; // of every control
    bool bold;
    std::span<const ControlDescription> controls;
    std::span<const EventBinding> events;
};

} // namespace tenvex
