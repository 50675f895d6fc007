// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace tenvex {

// An editable combo box whose typed text stands as typed. Typing with the list open goes into the
// box, as it does with the list closed: the toolkit's list would take it as a search among its
// entries. The list then closes with the typed text kept, whether by Escape, a click elsewhere or
// Enter; Enter picks an entry only when one was chosen in the list with the arrows since the last
// key typed.
class ComboBox final : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget *parent);

    void showPopup() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_typedInList = false; // a key typed into the box since the list opened or an arrow
};

} // namespace tenvex
