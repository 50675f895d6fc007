// SPDX-License-Identifier: MIT
#include "error.h"
#include "error_report.h"
#include "qt_form.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>

using tenvex::ControlDescription;
using tenvex::ControlKind;
using tenvex::EventBinding;
using tenvex::EventKind;
using tenvex::Form;
using tenvex::FormDescription;
using tenvex::QtForm;

namespace {

int Runs = 0;

void FailingClick(Form &)
{
    ++Runs;
    throw tenvex::NumberError(tenvex::NumberErrorKind::NotANumber, u"<h1>HUGE</h1><hr><i>x");
}

void ReadsMissingControl(Form &form)
{
    (void)form.text(u"txtMissing");
}

constexpr std::array Controls{
    ControlDescription{.name = u"cmdFail",
                       .kind = ControlKind::CommandButton,
                       .parent = u"frmTest",
                       .geometry = {0, 0, 1500, 450},
                       .text = u"Fail",
                       .fontSize = 9.75,
                       .tabIndex = 0},
    ControlDescription{.name = u"cmdMissing",
                       .kind = ControlKind::CommandButton,
                       .parent = u"frmTest",
                       .geometry = {0, 450, 1500, 450},
                       .text = u"Missing",
                       .fontSize = 9.75,
                       .tabIndex = 1},
};
constexpr std::array Events{
    EventBinding{u"cmdFail", EventKind::Click, FailingClick},
    EventBinding{u"cmdMissing", EventKind::Click, ReadsMissingControl},
};
const FormDescription TestWindow{.name = u"frmTest",
                                 .caption = u"Test",
                                 .clientWidth = 3000,
                                 .clientHeight = 1500,
                                 .fontFace = u"Sans Serif",
                                 .bold = false,
                                 .controls = Controls,
                                 .events = Events};

} // namespace

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void boundHandlerErrorsAreReported_data();
    void boundHandlerErrorsAreReported();
    void defaultReportIsACriticalMessageBox();

private:
    [[nodiscard]] tenvex::ErrorReporter recorder();

    QStringList m_reports;
    QList<QWidget *> m_windows;
};

void TestErrorReport::init()
{
    m_reports.clear();
    m_windows.clear();
}

tenvex::ErrorReporter TestErrorReport::recorder()
{
    return [this](QWidget *window, const QString &message) {
        m_windows << window;
        m_reports << message;
    };
}

void TestErrorReport::boundHandlerErrorsAreReported_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("handler's own error")
        << "cmdFail"
        << "The quantity \"<h1>HUGE</h1><hr><i>x\" is not a number.";
    QTest::newRow("control the window lacks") << "cmdMissing"
                                              << "The window has no control named \"txtMissing\".";
}

// State: a window whose buttons' handlers fail. Action: two clicks.
// Expected: two reports over the window, and the event loop goes on.
void TestErrorReport::boundHandlerErrorsAreReported()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    QtForm window(TestWindow, recorder());
    window.open();
    auto *control = window.findChild<QPushButton *>(button);
    QVERIFY(control);
    QTest::mouseClick(control, Qt::LeftButton);
    QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(m_reports, QStringList({message, message}));
    QCOMPARE(m_windows, QList<QWidget *>({&window, &window}));
}

// The report a user sees: a modal message box over the window, with the critical icon, the
// program's name as its title and the error's message as its text: plain text, whatever the
// user typed, in the dialog's own font rather than the window's bold one.
void TestErrorReport::defaultReportIsACriticalMessageBox()
{
    QCoreApplication::setApplicationName("Tenvex");
    QtForm window(TestWindow);
    window.open();
    QString seen;
    QTimer::singleShot(0, &window, [&seen, &window] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            const auto *text = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            seen = QStringLiteral("%1|%2|%3|%4|%5|%6")
                       .arg(box->windowTitle(), box->text())
                       .arg(box->icon() == QMessageBox::Critical)
                       .arg(box->parentWidget() == &window ? "over the window" : "elsewhere")
                       .arg(text && text->textFormat() == Qt::PlainText ? "plain" : "rich")
                       .arg(text && !text->font().bold() ? "normal" : "bold");
            box->accept();
        }
    });
    const int runs = Runs;
    QTest::mouseClick(window.findChild<QPushButton *>("cmdFail"), Qt::LeftButton);
    QCOMPARE(Runs, runs + 1);
    QCOMPARE(seen,
             "Tenvex|The quantity \"<h1>HUGE</h1><hr><i>x\" is not a number.|1|over the "
             "window|plain|normal");
}

QTEST_MAIN(TestErrorReport)
#include "tst_error_report.moc"
