// SPDX-License-Identifier: MIT
#include "qt_application.h"

#include "application.h"
#include "qt_form.h"
#include "version.h"

#include <QApplication>
#include <QFont>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tenvex {

void InstallFontSubstitutes()
{
    // Liberation Sans is a plain sans-serif face of about the widths the layout was drawn with,
    // so texts fill their controls as intended; the package recommends it. Otherwise the
    // system's sans-serif face.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
}

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

// Qt ends a program that finds no display with a fatal message and abort(). Say so in one line
// and end with a failure status instead.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs("tenvex: no display could be opened; run it in a graphical session.\n", stderr);
        std::_Exit(1);
    }
    StartupMessages() << qFormatLogMessage(type, context, message);
}

} // namespace

int RunApplication(int &argc, char **argv, const FormDescription &description)
{
    DefaultMessageHandler() = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(DefaultMessageHandler());
    for (const QString &message : std::as_const(StartupMessages()))
        std::fprintf(stderr, "%s\n", qPrintable(message));

    QApplication::setApplicationName(QString::fromUtf8(version::ApplicationName));
    QApplication::setOrganizationName(QString::fromUtf8(version::Organisation));
    QApplication::setApplicationVersion(QString::fromUtf8(version::Version));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(version::ApplicationId));
    InstallFontSubstitutes();

    QtForm window(description);
    window.open();
    return QApplication::exec();
}

} // namespace tenvex
