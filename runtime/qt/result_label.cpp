#include "result_label.h"

#include "qt_text.h"
#include "shortening.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>

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

void ResultLabel::contextMenuEvent(QContextMenuEvent *event)
{
    if (!isShortened()) {
        QLabel::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    menu.addAction(tr("&Copy"), this, &ResultLabel::copyCaption);
    menu.exec(event->globalPos());
}

void ResultLabel::keyPressEvent(QKeyEvent *event)
{
    if (isShortened() && event->matches(QKeySequence::Copy)) {
        copyCaption();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ResultLabel::copyCaption() const
{
    QApplication::clipboard()->setText(m_caption);
}

} // namespace tenvex
