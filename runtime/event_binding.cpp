#include "event_binding.h"

#include "error_report.h"

#include <QCoreApplication>

#include <exception>

namespace tenvex {

void RunHandler(QWidget *window, const std::function<void()> &handler) noexcept
{
    QString message;
    try {
        handler();
        return;
    } catch (const std::exception &error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        message = QCoreApplication::translate("tenvex", "An unexpected error occurred.");
    }
    // Reported outside the catch: the report runs a nested event loop.
    ReportError(window, message);
}

} // namespace tenvex
