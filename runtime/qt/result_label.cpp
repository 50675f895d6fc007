// SPDX-License-Identifier: MIT
#include "result_label.h"

#include "qt_text.h"
#include "shortening.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

namespace tenvex {

ResultLabel::ResultLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ResultLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    updateShownText();
    // Screen readers read the label by its fixed name, with the full text as its description;
    // the change of description announces a new result, once.
    setAccessibleDescription(caption);
}

void ResultLabel::updateShownText()
{
    const QFontMetrics metrics(font());
    const int available = contentsRect().width() - 2 * margin() - std::max(indent(), 0);
    const QString shown = ToQString(
        ShortenedNumber(View(m_caption), [&metrics, available](std::u16string_view candidate) {
            return metrics.horizontalAdvance(ToQString(candidate)) <= available;
        }));
    setText(shown);
    setToolTip(shown == m_caption ? QString() : m_caption);
}

void ResultLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateShownText();
}

void ResultLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateShownText();
}

// Every way of taking the result takes the whole text, shortened on screen or not: Copy in the
// context menu, Ctrl+C, and a selection made with the mouse.
void ResultLabel::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copy = menu.addAction(tr("&Copy"), this,
                                   [this] { QApplication::clipboard()->setText(m_caption); });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!m_caption.isEmpty());
    menu.exec(event->globalPos());
}

void ResultLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        if (!m_caption.isEmpty())
            QApplication::clipboard()->setText(m_caption);
        return;
    }
    QLabel::keyPressEvent(event);
}

void ResultLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (!hasSelectedText())
        return;
    // A part of a shortened form is not the number: the selection is always the whole result.
    setSelection(0, static_cast<int>(text().size()));
    QClipboard *clipboard = QApplication::clipboard();
    if (clipboard->supportsSelection())
        clipboard->setText(m_caption, QClipboard::Selection);
}

} // namespace tenvex
