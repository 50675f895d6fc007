#include "application.h"

#include "event_binding.h"
#include "form.h"

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

void ShowForm(Form &window)
{
    RunHandler(&window, [&window] { window.load(); });
    window.show();
}

int RunApplication(int &argc, char **argv, const ApplicationInfo &info,
                   const std::function<std::unique_ptr<Form>()> &createWindow)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(info.name);
    QApplication::setOrganizationName(info.organisation);
    QApplication::setApplicationVersion(info.version);
    QGuiApplication::setDesktopFileName(info.desktopFileName);
    InstallFontSubstitutes();

    const std::unique_ptr<Form> window = createWindow();
    ShowForm(*window);
    return QApplication::exec();
}

} // namespace tenvex
