// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace tenvex {

class Form;

// The result label. Its caption is the full result text; when that is wider than the label it
// shows a shortened form that says so (leading digits, an ellipsis, and the exponent) with the
// full text in its tooltip, so that a number is never clipped into a different-looking one.
// Copying and selecting take the full text. Screen readers read it by its fixed accessible name,
// with the full text as its description and its text, and hear a new result announced.
//
// Its overrides run code of ours outside any handler: whatever would end one is reported through
// `form` as a handler's error is, and nothing reaches the event loop.
class ResultLabel : public QLabel
{
    Q_OBJECT

public:
    ResultLabel(Form &form, QWidget *parent);

    [[nodiscard]] const QString &caption() const { return m_caption; }
    [[nodiscard]] Form &form() const { return m_form; }
    void setCaption(const QString &caption);

    // The text shown: the caption itself where it fits.
    [[nodiscard]] bool isShortened() const { return text() != m_caption; }

protected:
    void resizeEvent(QResizeEvent *event) noexcept override;
    void changeEvent(QEvent *event) noexcept override;
    void contextMenuEvent(QContextMenuEvent *event) noexcept override;
    void keyPressEvent(QKeyEvent *event) noexcept override;
    void mouseReleaseEvent(QMouseEvent *event) noexcept override;

private:
    void updateShownText();
    void copyCaption() const;
    void takeSelection() noexcept;

    Form &m_form;
    QString m_caption;
};

} // namespace tenvex
