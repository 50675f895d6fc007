// SPDX-License-Identifier: MIT
#include "result_label.h"

#include "accessibility.h"
#include "form.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace tenvex {

ResultLabel::ResultLabel(Form &form, const ControlDescription &control, QWidget *parent)
    : QLabel(parent)
    , m_form(form)
    , m_control(control)
    , m_announcement(new Announcement(ToQString(DisplayName(control)), parent))
{
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ResultLabel::setCaption(const QString &caption)
{
    const QString previous = std::exchange(m_caption, caption);
    updateShownText();
    // For screen readers that follow the text where the focus is not, and for those that do not.
    QAccessibleTextUpdateEvent update(this, 0, previous, caption);
    QAccessible::updateAccessibility(&update);
    if (accessibleOutput().announced)
        m_announcement->announce(caption);
}

void ResultLabel::updateShownText()
{
    const QFontMetrics metrics(font());
    const int available = contentsRect().width() - 2 * margin() - std::max(indent(), 0);
    const ResultView view
        = ResultViewOf(View(m_caption), [&metrics, available](std::u16string_view candidate) {
              return metrics.horizontalAdvance(ToQString(candidate)) <= available;
          });
    setText(ToQString(view.shown));
    setToolTip(ToQString(view.tooltip));
}

void ResultLabel::copyCaption() const
{
    if (!m_caption.isEmpty())
        QApplication::clipboard()->setText(m_caption);
}

void ResultLabel::resizeEvent(QResizeEvent *event) noexcept
{
    QLabel::resizeEvent(event);
    RunGuarded(m_form, [this] { updateShownText(); });
}

void ResultLabel::changeEvent(QEvent *event) noexcept
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        RunGuarded(m_form, [this] { updateShownText(); });
}

// Every way of taking the result takes the whole text, shortened on screen or not: Copy in the
// context menu, Ctrl+C, and a selection made with the mouse.
void ResultLabel::contextMenuEvent(QContextMenuEvent *event) noexcept
{
    RunGuarded(m_form, [this, event] {
        QMenu menu(this);
        QAction *copy = menu.addAction(tr("&Copy"), this, [this] { copyCaption(); });
        copy->setShortcut(QKeySequence::Copy);
        copy->setEnabled(!m_caption.isEmpty());
        menu.exec(event->globalPos());
    });
}

void ResultLabel::keyPressEvent(QKeyEvent *event) noexcept
{
    if (event->matches(QKeySequence::Copy)) {
        RunGuarded(m_form, [this] { copyCaption(); });
        return;
    }
    QLabel::keyPressEvent(event); // Ctrl+A selects the text shown
    takeSelection();
}

void ResultLabel::mouseReleaseEvent(QMouseEvent *event) noexcept
{
    QLabel::mouseReleaseEvent(event);
    takeSelection();
}

// A part of a shortened form is not the number: a selection, made with the mouse or with Ctrl+A,
// is always the whole result, and so is the primary selection it makes.
void ResultLabel::takeSelection() noexcept
{
    if (!hasSelectedText())
        return;
    RunGuarded(m_form, [this] {
        setSelection(0, static_cast<int>(text().size()));
        QClipboard *clipboard = QApplication::clipboard();
        if (clipboard->supportsSelection())
            clipboard->setText(m_caption, QClipboard::Selection);
    });
}

} // namespace tenvex
