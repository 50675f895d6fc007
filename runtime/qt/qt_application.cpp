#include "qt_application.h"

#include "application.h"
#include "qt_form.h"
#include "version.h"

#include <QApplication>
#include <QFont>

namespace tenvex {

void InstallFontSubstitutes()
{
    // Liberation Sans is a plain sans-serif face of about the widths the layout was drawn with,
    // so texts fill their controls as intended; the package recommends it. Otherwise the
    // system's sans-serif face.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
}

int RunApplication(int &argc, char **argv, const FormDescription &description)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(version::ApplicationName));
    QApplication::setOrganizationName(QString::fromUtf8(version::Organisation));
    QApplication::setApplicationVersion(QString::fromUtf8(version::VersionText));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(version::ApplicationId));
    InstallFontSubstitutes();

    QtForm window(description);
    window.open();
    return QApplication::exec();
}

} // namespace tenvex
