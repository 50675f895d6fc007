// SPDX-License-Identifier: MIT
#include "text_box.h"

#include "form.h"
#include "form_error.h"
#include "form_layout.h"
#include "qt_text.h"

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
    RunGuarded(m_form, [this] { throw FormError(FormErrorKind::TextTooLong, m_name); });
    return false;
}

void TextBox::pasteChecked(QClipboard::Mode mode)
{
    const QString pasted = QApplication::clipboard()->text(mode);
    if (fits(pasted.size()))
        insert(ToQString(OneLine(View(pasted))));
}

void TextBox::keyPressEvent(QKeyEvent *event) noexcept
{
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        RunGuarded(m_form, [this] { pasteChecked(QClipboard::Clipboard); });
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// On X11 a middle click adds the primary selection where the box was clicked, the selection
// left as it is.
void TextBox::mouseReleaseEvent(QMouseEvent *event) noexcept
{
    const QClipboard *clipboard = QApplication::clipboard();
    if (event->button() != Qt::MiddleButton || !clipboard->supportsSelection() || isReadOnly()) {
        QLineEdit::mouseReleaseEvent(event);
        return;
    }
    RunGuarded(m_form, [this, clipboard] {
        const QString pasted = clipboard->text(QClipboard::Selection);
        if (!fits(pasted.size(), false))
            return;
        deselect();
        insert(ToQString(OneLine(View(pasted))));
    });
}

void TextBox::dropEvent(QDropEvent *event) noexcept
{
    if (!event->mimeData()->hasText() || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    RunGuarded(m_form, [this, event] {
        const QString dropped = event->mimeData()->text();
        if (fits(dropped.size())) {
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            insert(ToQString(OneLine(View(dropped))));
        }
        event->acceptProposedAction();
    });
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
