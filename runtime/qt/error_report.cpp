// SPDX-License-Identifier: MIT
#include "error_report.h"

#include <QApplication>
#include <QMessageBox>

namespace tenvex {

void ShowErrorMessage(QWidget *window, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message,
                    QMessageBox::Ok, window);
    // The message quotes what the user typed: it is shown as it stands, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace tenvex
