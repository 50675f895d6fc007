// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace tenvex {

// How screen readers read the window's own kinds of controls. Safe to call again.
//   - An editable combo box by its accessible name, with its text as its value and its line edit
//     and list as its children. (Qt on Linux names an editable combo box after its current text,
//     which would name both prefix boxes "Unit".)
//   - The result as AccessibleOutputOf says: a read-only text by its accessible name, whose value
//     and text are its whole caption, however little of it the label shows.
//   - An announcement as a notification.
void InstallAccessibleInterfaces();

// What screen readers speak wherever the focus is: an empty widget, drawn nowhere, named as it is
// made, shown anew with each text it announces as its description. (Screen readers on Linux speak
// a change of text only where the focus is, but a notification as it appears.)
class Announcement final : public QWidget
{
    Q_OBJECT

public:
    Announcement(const QString &name, QWidget *parent);

    void announce(const QString &text);
};

} // namespace tenvex
