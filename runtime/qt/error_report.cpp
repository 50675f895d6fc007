// SPDX-License-Identifier: MIT
#include "error_report.h"

#include "form_layout.h"
#include "qt_text.h"

#include <QApplication>
#include <QMessageBox>

namespace tenvex {

void ShowErrorMessage(QWidget *window, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    ToQString(UnbrokenQuotes(View(message))), QMessageBox::Ok, window);
    // The message quotes what the user typed: it is shown as it stands, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace tenvex
