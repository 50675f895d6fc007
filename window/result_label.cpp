#include "result_label.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace tenvex {

namespace {

const QChar Ellipsis(0x2026);

// A number text in exponent form, split into its mantissa with sign and point ("-1.5") and its
// exponent part ("E+15"). A text in fixed form is put in exponent form first.
struct NumberParts
{
    QString mantissa;
    QString exponent;
};

NumberParts SplitNumber(const QString &text)
{
    const qsizetype marker = text.indexOf(u'E');
    if (marker >= 0)
        return {text.left(marker), text.mid(marker)};
    const QString sign = text.startsWith(u'-') ? QStringLiteral("-") : QString();
    const QString unsignedText = text.mid(sign.size());
    const qsizetype point = unsignedText.indexOf(u'.');
    const qsizetype wholeDigits = point >= 0 ? point : unsignedText.size();
    QString digits = QString(unsignedText).remove(u'.');
    qsizetype leadingZeros = 0;
    while (leadingZeros + 1 < digits.size() && digits[leadingZeros] == u'0')
        ++leadingZeros;
    digits.remove(0, leadingZeros);
    const qsizetype exponent = wholeDigits - 1 - leadingZeros;
    return {sign + digits.left(1) + u'.' + digits.mid(1),
            QStringLiteral("E%1%2")
                .arg(exponent < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                .arg(std::abs(exponent), 2, 10, QLatin1Char('0'))};
}

} // namespace

QString ShortenedNumber(const QString &text, const std::function<bool(const QString &)> &fits)
{
    if (fits(text))
        return text;
    const bool hasExponent = text.contains(u'E');
    const qsizetype point = text.indexOf(u'.');
    if (!hasExponent && point >= 0) {
        // A fraction keeps its whole part and as many decimals as fit.
        for (qsizetype length = text.size() - 1; length > point; --length) {
            QString candidate = text.left(length) + Ellipsis;
            if (fits(candidate))
                return candidate;
        }
    }
    const NumberParts parts = SplitNumber(text);
    const qsizetype firstDigit = parts.mantissa.startsWith(u'-') ? 2 : 1;
    for (qsizetype length = parts.mantissa.size() - 1; length > firstDigit + 1; --length) {
        QString candidate = parts.mantissa.left(length) + Ellipsis + parts.exponent;
        if (fits(candidate))
            return candidate;
    }
    return parts.mantissa.left(firstDigit) + Ellipsis + parts.exponent;
}

ResultLabel::ResultLabel(QWidget *parent)
    : QLabel(parent)
{}

void ResultLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    updateShownText();
    // Screen readers get the full text, and the change of name announces the new result.
    setAccessibleName(caption);
}

void ResultLabel::updateShownText()
{
    const QFontMetrics metrics(font());
    const int available = contentsRect().width() - 2 * margin() - std::max(indent(), 0);
    const QString shown = ShortenedNumber(m_caption, [&](const QString &candidate) {
        return metrics.horizontalAdvance(candidate) <= available;
    });
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
