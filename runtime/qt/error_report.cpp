// SPDX-License-Identifier: MIT
#include "error_report.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace tenvex {

namespace {

void ShowMessageBox(QWidget *window, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message,
                    QMessageBox::Ok, window);
    // The message quotes what the user typed: it is shown as it stands, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

ErrorReporter &CurrentReporter()
{
    static ErrorReporter reporter = ShowMessageBox;
    return reporter;
}

} // namespace

ErrorReporter SetErrorReporter(ErrorReporter reporter)
{
    return std::exchange(CurrentReporter(), std::move(reporter));
}

void ReportError(QWidget *window, const QString &message)
{
    CurrentReporter()(window, message);
}

} // namespace tenvex
