// SPDX-License-Identifier: MIT
#include "combo_box.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace tenvex {

namespace {

// Keys that choose among the entries; every other key but the ones that close the list edits the
// typed text.
bool ChoosesAnEntry(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool ClosesTheList(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape
        || key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_F4;
}

} // namespace

ComboBox::ComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    view()->installEventFilter(this);
}

// The text is selected as the list opens, so that what is typed replaces it.
void ComboBox::showPopup()
{
    m_typedInList = false;
    QComboBox::showPopup();
    lineEdit()->selectAll();
}

bool ComboBox::eventFilter(QObject *watched, QEvent *event)
{
    const bool keyPress = event->type() == QEvent::KeyPress;
    // The list takes Enter before it is pressed, as a shortcut.
    if (watched != view() || (!keyPress && event->type() != QEvent::ShortcutOverride))
        return QComboBox::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!keyPress) {
        if (!enter || !m_typedInList)
            return QComboBox::eventFilter(watched, event);
        hidePopup();
        key->accept();
        return true;
    }
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier) || ChoosesAnEntry(key->key())) {
        m_typedInList = false;
        return QComboBox::eventFilter(watched, event);
    }
    if (ClosesTheList(key->key())) {
        if (enter && m_typedInList) {
            hidePopup();
            return true;
        }
        return QComboBox::eventFilter(watched, event);
    }
    m_typedInList = true;
    QCoreApplication::sendEvent(lineEdit(), event);
    return true;
}

} // namespace tenvex
