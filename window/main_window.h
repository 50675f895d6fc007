#pragma once

#include "runtime/form.h"

#include <memory>

namespace Ui {
class MainWindow;
}

namespace tenvex {

// The program's one window: the description in main_window.ui and its three event handlers.
// All state lives in the controls.
class MainWindow final : public Form
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Centres the window's outer frame on the primary screen and sets both prefixes to "Unit".
    void load() override;

private:
    void onInputChanged();
    void onConvertClicked();

    std::unique_ptr<Ui::MainWindow> m_ui;
};

} // namespace tenvex
