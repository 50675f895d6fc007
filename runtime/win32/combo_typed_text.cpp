// SPDX-License-Identifier: MIT
// A combo box's typed text, kept as typed when its list closes without an entry picked.
#include "win32_form.h"
#include "win32_text.h"

namespace tenvex {

// A combo box's list, when it opens, selects the first entry that begins with the typed text in
// any letter case, and would put that entry in place of the text when it closes: "m" would
// become "Mega (M)". The text stays as typed unless the user picks an entry in the list. An entry
// picked with the keys changes the selection while the list is open; one picked with the mouse
// closes the list first and changes the selection after, before the posted restore is handled.
void Win32Form::onComboBoxNotification(std::size_t place, int notification)
{
    Control &control = m_controls[place];
    const bool open = SendMessageW(control.handle, CB_GETDROPPEDSTATE, 0, 0) != 0;
    switch (notification) {
    case CBN_DROPDOWN:
        control.typed = WindowText(control.handle);
        control.picked = false;
        control.closing = false;
        break;
    case CBN_EDITCHANGE:
        if (open) {
            control.typed = WindowText(control.handle);
            control.picked = false;
        }
        break;
    case CBN_SELCHANGE:
        control.picked = control.picked || open || control.closing;
        break;
    case CBN_SELENDCANCEL:
        control.picked = false;
        break;
    case CBN_CLOSEUP:
        // After the list has done all it does on closing.
        if (!control.picked) {
            control.closing = true;
            PostMessageW(m_window, RestoreTypedText, place, 0);
        }
        break;
    default:
        break;
    }
}

// Posted as the list closed without an entry picked: the typed text is put back, unless the
// mouse picked an entry after all.
void Win32Form::restoreTypedText(std::size_t place)
{
    if (place >= m_controls.size())
        return;
    Control &control = m_controls[place];
    if (control.closing && !control.picked)
        setText(m_description.controls[place].name, control.typed);
    control.closing = false;
}

} // namespace tenvex
