// SPDX-License-Identifier: MIT
#include "text_box.h"

#include "error.h"
#include "form.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <memory>

namespace tenvex {

TextBox::TextBox(Form &form, std::u16string_view name, QWidget *parent)
    : QLineEdit(parent)
    , m_form(form)
    , m_name(name)
{
    setMaxLength(static_cast<int>(TextLengthLimit));
}

bool TextBox::fits(qsizetype inserted, bool replacesSelection)
{
    const qsizetype kept = text().size() - (replacesSelection ? selectedText().size() : 0);
    const auto length = static_cast<std::size_t>(kept + inserted);
    if (length <= TextLengthLimit)
        return true;
    RunGuarded(m_form, [this] { throw Error(ErrorKind::TextTooLong, m_name); });
    return false;
}

void TextBox::pasteChecked(QClipboard::Mode mode)
{
    if (fits(QApplication::clipboard()->text(mode).size())) {
        if (mode == QClipboard::Clipboard)
            paste();
        else
            insert(QApplication::clipboard()->text(mode));
    }
}

void TextBox::keyPressEvent(QKeyEvent *event) noexcept
{
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        pasteChecked(QClipboard::Clipboard);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// On X11 a middle click adds the primary selection where the box was clicked, the selection
// left as it is.
void TextBox::mouseReleaseEvent(QMouseEvent *event) noexcept
{
    const QClipboard *clipboard = QApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()
        && !fits(clipboard->text(QClipboard::Selection).size(), false)) {
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::dropEvent(QDropEvent *event) noexcept
{
    if (event->mimeData()->hasText() && !fits(event->mimeData()->text().size())) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

// The menu's Paste is checked as the keys' is.
void TextBox::contextMenuEvent(QContextMenuEvent *event) noexcept
{
    RunGuarded(m_form, [this, event] {
        const std::unique_ptr<QMenu> menu(createStandardContextMenu());
        if (auto *pasteAction = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
            pasteAction->disconnect();
            connect(pasteAction, &QAction::triggered, this,
                    [this] { pasteChecked(QClipboard::Clipboard); });
        }
        menu->exec(event->globalPos());
    });
}

} // namespace tenvex
