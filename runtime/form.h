#pragma once

#include <QWidget>

namespace tenvex {

// A top-level window that start-up creates, prepares with its load event and then shows.
class Form : public QWidget
{
public:
    using QWidget::QWidget;

    // The load event: runs once, after the controls exist and before the window is first shown.
    virtual void load() = 0;
};

} // namespace tenvex
