// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

#include <QMargins>
#include <QWidget>

#include <optional>
#include <vector>

namespace tenvex {

// A window built with Qt Widgets from its description: a widget per control, named as the
// control, with the description's geometry (twips / 15 = device-independent pixels, which Qt
// scales on denser screens), texts, fonts, tab order and event bindings. Each bound event runs
// its handler through RunHandler.
class QtForm final : public QWidget, public Form
{
public:
    explicit QtForm(const FormDescription &description, QWidget *parent = nullptr);
    ~QtForm() override;

    // Runs the load event, then shows the window: start-up does this, and so do tests.
    void open();

    [[nodiscard]] std::u16string text(std::u16string_view control) const override;
    void setText(std::u16string_view control, std::u16string_view text) override;
    [[nodiscard]] TwipsSize outerSize() const override;
    void setLeft(float left) override;
    void setTop(float top) override;
    [[nodiscard]] TwipsSize screenSize() const override;
    void reportError(std::u16string_view message) override;

private:
    [[nodiscard]] QWidget *control(std::u16string_view name) const;
    void bind(const EventBinding &binding);
    [[nodiscard]] QMargins frameMargins() const;
    [[nodiscard]] QPoint outerTopLeft() const;
    void moveOuterTopLeft(QPoint corner);

    std::vector<EventHandler> m_loadHandlers;
    // Asked of the window manager when load first needs it.
    mutable std::optional<QMargins> m_frameMargins;
};

} // namespace tenvex
