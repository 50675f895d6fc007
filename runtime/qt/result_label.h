// SPDX-License-Identifier: MIT
#pragma once

#include "form_layout.h"
#include "qt_text.h"

#include <QLabel>

namespace tenvex {

class Announcement;
class Form;

// The result label. Its caption is the full result text; when that is wider than the label it
// shows a shortened form that says so (leading digits, an ellipsis, and the exponent) with the
// full text in its tooltip, so that a number is never clipped into a different-looking one.
// Copying and selecting take the full text. Screen readers read it as AccessibleOutputOf says, and
// hear a new result announced.
//
// Its overrides run code of ours outside any handler: whatever would end one is reported through
// `form` as a handler's error is, and nothing reaches the event loop.
class ResultLabel : public QLabel
{
    Q_OBJECT

public:
    ResultLabel(Form &form, const ControlDescription &control, QWidget *parent);

    [[nodiscard]] const QString &caption() const { return m_caption; }
    [[nodiscard]] AccessibleOutput accessibleOutput() const
    {
        return AccessibleOutputOf(m_control, View(m_caption));
    }
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
    const ControlDescription &m_control;
    QString m_caption;
    Announcement *m_announcement; // a sibling, owned by the parent
};

} // namespace tenvex
