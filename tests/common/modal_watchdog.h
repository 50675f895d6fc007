// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

// Fails a test instead of letting it hang when a modal dialog opens: the dialog is noted and
// closed, and the fixture checks dialogSeen() in cleanup(). Errors are meant to reach the test's
// reporter, never a dialog.
class ModalWatchdog
{
public:
    ModalWatchdog()
    {
        m_timer.setInterval(50);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { closeModalDialog(); });
        m_timer.start();
    }

    [[nodiscard]] QString dialogSeen() const { return m_seen; }
    void reset() { m_seen.clear(); }

private:
    void closeModalDialog()
    {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            m_seen = QStringLiteral("%1 \"%2\"")
                         .arg(QString::fromLatin1(dialog->metaObject()->className()),
                              dialog->windowTitle());
            dialog->close();
        }
    }

    QTimer m_timer;
    QString m_seen;
};
