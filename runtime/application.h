#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace tenvex {

class Form;

// The program's version block, as the application object carries it.
struct ApplicationInfo
{
    QString name;
    QString organisation;
    QString version;
    QString desktopFileName; // the application ID, which names the desktop entry
};

// Start-up: creates the application object, then the window, runs the window's load event and
// shows it, and runs the event loop until the window is closed. Returns the exit code.
int RunApplication(int &argc, char **argv, const ApplicationInfo &info,
                   const std::function<std::unique_ptr<Form>()> &createWindow);

// Runs the load event of `window` and shows it; start-up does this, and so can tests.
void ShowForm(Form &window);

// Prefers the window description's font where the system has it and, where it has not, the
// nearest sans-serif face, chosen on purpose rather than left to the font system's fallback.
void InstallFontSubstitutes();

} // namespace tenvex
