// SPDX-License-Identifier: MIT
#include "application.h"
#include "qt_form.h"
#include "version.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tenvex {

namespace {

// What Qt says while it opens the display: held back, and passed on once the display is open.
QStringList &StartupMessages()
{
    static QStringList messages;
    return messages;
}

QtMessageHandler &DefaultMessageHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

// Where no window system was asked for and none is there to be found.
bool NoDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool displayPlatform
        = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    return displayPlatform && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The display variables that are set, as `DISPLAY=":1"`, for saying which display could not be
// opened.
QString DisplaysNamed()
{
    QStringList named;
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            named << QStringLiteral("%1=\"%2\"")
                         .arg(QLatin1String(variable), qEnvironmentVariable(variable));
    }
    return named.join(QStringLiteral(", "));
}

// Qt ends a program whose window system it cannot start with a fatal message and abort(). Say so
// instead, plainly, and end with a failure status. Where a platform was found but could not be
// loaded, or none was asked for and there is no display, the display is what failed: one line
// names it. Otherwise the platform asked for is not there: what Qt said of it, and the ones that
// are, in two lines.
[[noreturn]] void ReportNoWindowSystem(const QString &fatal)
{
    if (NoDisplay()) {
        std::fputs("tenvex: no display could be opened; run it in a graphical session.\n", stderr);
        std::_Exit(1);
    }
    // Qt's own words for a platform that is installed but cannot start.
    const QLatin1String foundButNotLoaded("even though it was found");
    if (fatal.contains(foundButNotLoaded)
        || !StartupMessages().filter(foundButNotLoaded).isEmpty()) {
        std::fprintf(stderr,
                     "tenvex: no display could be opened at %s; run it in a graphical session.\n",
                     qPrintable(DisplaysNamed()));
        std::_Exit(1);
    }
    const QStringList lines = fatal.split(u'\n', Qt::SkipEmptyParts);
    QStringList said = StartupMessages();
    if (said.isEmpty() && !lines.isEmpty())
        said << lines.first();
    std::fprintf(stderr, "tenvex: the window system could not be started: %s\n",
                 qPrintable(said.join(QStringLiteral("; "))));
    if (lines.size() > 1)
        std::fprintf(stderr, "tenvex: %s\n", qPrintable(lines.last()));
    std::_Exit(1);
}

void StartupMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        ReportNoWindowSystem(message);
    StartupMessages() << message;
}

} // namespace

int RunApplication(int &argc, char **argv, const FormDescription &description)
{
    DefaultMessageHandler() = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(DefaultMessageHandler());
    for (const QString &message : std::as_const(StartupMessages()))
        std::fprintf(stderr, "tenvex: %s\n", qPrintable(message));

    QApplication::setApplicationName(QString::fromUtf8(version::ApplicationName));
    QApplication::setOrganizationName(QString::fromUtf8(version::Organisation));
    QApplication::setApplicationVersion(QString::fromUtf8(version::Version));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(version::ApplicationId));

    QtForm window(description);
    window.open();
    return QApplication::exec();
}

} // namespace tenvex
