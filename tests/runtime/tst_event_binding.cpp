#include "runtime/error.h"
#include "runtime/error_report.h"
#include "runtime/event_binding.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using tenvex::BindEvent;
using tenvex::RunHandler;

// What a handler throws, and what the user is told.
enum class Thrown { Nothing, RuntimeError, StandardError, Other };
Q_DECLARE_METATYPE(Thrown)

namespace {

void Throw(Thrown thrown)
{
    switch (thrown) {
    case Thrown::Nothing:
        return;
    case Thrown::RuntimeError:
        throw tenvex::FloatingPointError("The result is too large.");
    case Thrown::StandardError:
        throw std::invalid_argument("Unknown prefix \"x\".");
    case Thrown::Other:
        throw 42;
    }
}

} // namespace

class TestEventBinding : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void handlerErrorsAreReported_data();
    void handlerErrorsAreReported();
    void boundHandlerRunsThroughTheReport();
    void reportGoesOverTheWindow();
    void defaultReportIsACriticalMessageBox();

private:
    tenvex::ErrorReporter m_previousReporter;
    QStringList m_reports;
    QList<QWidget *> m_windows;
};

void TestEventBinding::init()
{
    m_reports.clear();
    m_windows.clear();
    m_previousReporter = tenvex::SetErrorReporter([this](QWidget *window, const QString &message) {
        m_windows << window;
        m_reports << message;
    });
}

void TestEventBinding::cleanup()
{
    tenvex::SetErrorReporter(m_previousReporter);
}

void TestEventBinding::handlerErrorsAreReported_data()
{
    QTest::addColumn<Thrown>("thrown");
    QTest::addColumn<QStringList>("reports");

    QTest::newRow("no error, no report") << Thrown::Nothing << QStringList();
    QTest::newRow("runtime error")
        << Thrown::RuntimeError << QStringList{"The result is too large."};
    QTest::newRow("other standard error")
        << Thrown::StandardError << QStringList{"Unknown prefix \"x\"."};
    QTest::newRow("not a standard error")
        << Thrown::Other << QStringList{"An unexpected error occurred."};
}

void TestEventBinding::handlerErrorsAreReported()
{
    QFETCH(Thrown, thrown);
    QFETCH(QStringList, reports);
    RunHandler(nullptr, [thrown] { Throw(thrown); });
    QCOMPARE(m_reports, reports);
}

// State: a button bound to a handler that fails. Action: two clicks.
// Expected: two reports, and the event loop goes on.
void TestEventBinding::boundHandlerRunsThroughTheReport()
{
    QWidget window;
    QPushButton button(&window);
    int runs = 0;
    BindEvent(&button, &QPushButton::clicked, &window, [&runs] {
        ++runs;
        Throw(Thrown::RuntimeError);
    });
    button.click();
    button.click();
    QCOMPARE(runs, 2);
    QCOMPARE(m_reports.size(), 2);
}

void TestEventBinding::reportGoesOverTheWindow()
{
    QWidget window;
    RunHandler(&window, [] { Throw(Thrown::StandardError); });
    QCOMPARE(m_windows, QList<QWidget *>{&window});
}

// The report a user sees: a modal message box over the window, with the critical icon, the
// program's name as its title and the error's message as its text.
void TestEventBinding::defaultReportIsACriticalMessageBox()
{
    tenvex::SetErrorReporter(m_previousReporter);
    QCoreApplication::setApplicationName("Tenvex");
    QWidget window;
    window.show();
    QString seen;
    QTimer::singleShot(0, &window, [&seen, &window] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen = QStringLiteral("%1|%2|%3|%4")
                       .arg(box->windowTitle(), box->text())
                       .arg(box->icon() == QMessageBox::Critical)
                       .arg(box->parentWidget() == &window ? "over the window" : "elsewhere");
            box->accept();
        }
    });
    RunHandler(&window, [] { Throw(Thrown::RuntimeError); });
    QCOMPARE(seen, "Tenvex|The result is too large.|1|over the window");
}

QTEST_MAIN(TestEventBinding)
#include "tst_event_binding.moc"
