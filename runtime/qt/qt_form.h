// SPDX-License-Identifier: MIT
#pragma once

#include "error_report.h"
#include "form.h"
#include "window_frame.h"

#include <QMargins>
#include <QWidget>

#include <optional>
#include <vector>

namespace tenvex {

// A window built with Qt Widgets from a well-formed description: a widget per control, named as
// the control, with the description's geometry (twips at 96 dots per inch give device-
// independent pixels, which Qt scales on denser screens), texts, fonts and tab order. Every text
// box's change and every button's click raises that event of the description, and errors that
// end a handler go to `reportError`.
class QtForm final : public QWidget, public Form
{
public:
    explicit QtForm(const FormDescription &description,
                    ErrorReporter reportError = ShowErrorMessage, QWidget *parent = nullptr);
    ~QtForm() override;

    // Runs the load event, then shows the window with the first control in tab order focused and
    // its text selected: start-up does this, and so do tests.
    void open();

    [[nodiscard]] std::u16string text(std::u16string_view control) const override;
    void setText(std::u16string_view control, std::u16string_view text) override;
    [[nodiscard]] TwipsSize outerSize() const override;
    void setLeft(float left) override;
    void setTop(float top) override;
    [[nodiscard]] TwipsSize screenSize() const override;
    void reportError(std::u16string_view message) override;

protected:
    void paintEvent(QPaintEvent *event) noexcept override;

private:
    void prepareNativeWindow(const FormDescription &description);
    void createControl(const ControlDescription &control);
    void connectEvents();
    void focusWithTextSelected(std::size_t place);
    [[nodiscard]] QMargins frameMargins() const;
    [[nodiscard]] QPoint outerTopLeft() const;
    void moveOuterTopLeft(QPoint corner);

    const FormDescription &m_description;
    ErrorReporter m_reportError;
    std::vector<QWidget *> m_widgets; // in description order; their parents own them
    FrameRequest m_frameRequest;      // asked as the window is built, answered when load reads it
    mutable std::optional<QMargins> m_frameMargins;
    QString m_face;          // the controls' font face: the description's, or the nearest installed
    bool m_iconSent = false; // the icon, once the window is on the screen
};

} // namespace tenvex
