// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace tenvex {

// The result label. Its caption is the full result text; when that is wider than the label it
// shows a shortened form that says so (leading digits, an ellipsis, and the exponent) with the
// full text in its tooltip, so that a number is never clipped into a different-looking one.
// Copying and selecting take the full text. Screen readers read it by its fixed accessible name,
// with the full text as its description.
class ResultLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ResultLabel(QWidget *parent = nullptr);

    [[nodiscard]] QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // The text shown: the caption itself where it fits.
    [[nodiscard]] bool isShortened() const { return text() != m_caption; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void updateShownText();

    QString m_caption;
};

} // namespace tenvex
