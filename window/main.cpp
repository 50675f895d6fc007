#include "main_window.h"
#include "resources/version.h"
#include "runtime/application.h"

int main(int argc, char **argv)
{
    using namespace tenvex;
    const ApplicationInfo info{
        QString::fromUtf8(version::ApplicationName), QString::fromUtf8(version::Organisation),
        QString::fromUtf8(version::VersionText), QString::fromUtf8(version::ApplicationId)};
    return RunApplication(argc, argv, info, [] { return std::make_unique<MainWindow>(); });
}
