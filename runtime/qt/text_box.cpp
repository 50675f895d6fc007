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

std::optional<QString> TextBox::insertable(const QString &text, bool replacesSelection)
{
    const qsizetype kept = this->text().size() - (replacesSelection ? selectedText().size() : 0);
    std::optional<QString> line;
    RunGuarded(m_form, [&] {
        line = ToQString(InsertedLine(m_name, View(text), static_cast<std::size_t>(kept)));
    });
    return line;
}

void TextBox::pasteChecked(QClipboard::Mode mode)
{
    if (const std::optional<QString> line = insertable(QApplication::clipboard()->text(mode)))
        insert(*line);
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
        const std::optional<QString> line
            = insertable(clipboard->text(QClipboard::Selection), false);
        if (!line)
            return;
        deselect();
        insert(*line);
    });
}

void TextBox::dropEvent(QDropEvent *event) noexcept
{
    if (!event->mimeData()->hasText() || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    RunGuarded(m_form, [this, event] {
        if (const std::optional<QString> line = insertable(event->mimeData()->text())) {
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            insert(*line);
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
