// SPDX-License-Identifier: MIT
#include "error_report.h"
#include "main_window.h"
#include "modal_watchdog.h"
#include "qt_form.h"
#include "qt_text.h"
#include "result_label.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>
#include <utility>

using tenvex::QtForm;
using tenvex::ResultLabel;
using tenvex::View;

namespace {

const QStringList ListEntries{"Tera (T)",  "Giga (G)",  "Mega (M)",  "Kilo (K)", "Unit",
                              "centi (c)", "milli (m)", "micro (u)", "nano (n)", "pico (p)"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void windowAndIcon();
    void prefixLists();
    void stateAfterLoad();
    void largeWindowGetsNegativeEdges();
    void tabCyclesFocusableControls_data();
    void tabCyclesFocusableControls();
    void enterAndEscapeConvertNothing_data();
    void enterAndEscapeConvertNothing();
    void editingClearsResult_data();
    void editingClearsResult();
    void pastesBeyondTheLimitAreRefused_data();
    void pastesBeyondTheLimitAreRefused();
    void prefixChangeKeepsResult();
    void typedPrefixStandsAsTyped_data();
    void typedPrefixStandsAsTyped();
    void clickConverts_data();
    void clickConverts();
    void errorsAreReportedAndLabelKept_data();
    void errorsAreReportedAndLabelKept();
    void twoClicksGiveTheSameText();
    void wideResultIsShortenedVisibly();
    void everyResultIsCopiedWhole_data();
    void everyResultIsCopiedWhole();
    void resultLooksLikeAnOutputBox();
    void resultKeepsEntryColoursAfterAThemeChange();
    void anyCaptionInAnyRoom_data();
    void anyCaptionInAnyRoom();
    void accessibility();

private:
    template<typename Control>
    Control *control(const char *name) const
    {
        auto *found = m_window->findChild<Control *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    [[nodiscard]] QComboBox *prefixBox(const QString &name) const;
    [[nodiscard]] QString result() const { return control<ResultLabel>("lblTo")->caption(); }
    void typeInput(const QString &text) const;
    void typePrefix(QComboBox *box, const QString &text) const;
    void clickConvert() const;

    std::unique_ptr<QtForm> m_window;
    QStringList m_reports;
    ModalWatchdog m_watchdog;
};

void TestMainWindow::init()
{
    m_reports.clear();
    m_window = std::make_unique<QtForm>(
        tenvex::MainWindow, [this](QWidget *, const QString &message) { m_reports << message; });
    m_window->open();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    QVERIFY2(m_watchdog.dialogSeen().isEmpty(),
             qPrintable("unexpected dialog: " + m_watchdog.dialogSeen()));
    m_watchdog.reset();
}

QComboBox *TestMainWindow::prefixBox(const QString &name) const
{
    return control<QComboBox>(name == "from" ? "cmbFromUnit" : "cmbToUnit");
}

// Replaces the input as a user does: click into it, select everything, type.
void TestMainWindow::typeInput(const QString &text) const
{
    auto *input = control<QLineEdit>("txtFrom");
    QTest::mouseClick(input, Qt::LeftButton);
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(input, Qt::Key_Delete);
    QTest::keyClicks(input, text);
}

void TestMainWindow::typePrefix(QComboBox *box, const QString &text) const
{
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box->lineEdit(), text);
}

void TestMainWindow::clickConvert() const
{
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
}

void TestMainWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("pointSize");

    // Pixels at 96 dpi: the twips of the layout divided by 15.
    QTest::newRow("Label1") << "Label1"
                            << "QLabel"
                            << "frmTenvex" << QRect(56, 8, 217, 33) << "Orvid Tenvex" << 13.5;
    QTest::newRow("Frame1") << "Frame1"
                            << "QGroupBox"
                            << "frmTenvex" << QRect(8, 48, 153, 121) << "From" << 9.75;
    QTest::newRow("txtFrom") << "txtFrom"
                             << "tenvex::TextBox"
                             << "Frame1" << QRect(16, 32, 105, 25) << "1" << 9.75;
    QTest::newRow("cmbFromUnit") << "cmbFromUnit"
                                 << "tenvex::ComboBox"
                                 << "Frame1" << QRect(16, 72, 105, 24) << "Unit" << 9.75;
    QTest::newRow("Frame2") << "Frame2"
                            << "QGroupBox"
                            << "frmTenvex" << QRect(168, 48, 145, 121) << "To" << 9.75;
    QTest::newRow("lblTo") << "lblTo"
                           << "tenvex::ResultLabel"
                           << "Frame2" << QRect(8, 32, 105, 25) << "1" << 9.75;
    QTest::newRow("cmbToUnit") << "cmbToUnit"
                               << "tenvex::ComboBox"
                               << "Frame2" << QRect(8, 72, 105, 24) << "Unit" << 9.75;
    QTest::newRow("cmdCalculate") << "cmdCalculate"
                                  << "QPushButton"
                                  << "frmTenvex" << QRect(96, 184, 137, 33) << "Convert" << 13.5;
}

void TestMainWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(qreal, pointSize);

    auto *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        shown = frame->title();
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        shown = edit->text();
    else if (auto *box = qobject_cast<QComboBox *>(widget))
        shown = box->currentText();
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        shown = button->text();
    QCOMPARE(shown, text);

    const QFont font = widget->font();
    QCOMPARE(font.pointSizeF(), pointSize);
    QVERIFY(font.bold());
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    // The face itself where the system has it, the chosen substitute where that is installed, and
    // the system's sans-serif face only where neither is; drawn with the face asked for.
    const QStringList installed = QFontDatabase::families();
    const QString expected = installed.contains("MS Sans Serif", Qt::CaseInsensitive)
        ? "MS Sans Serif"
        : installed.contains("Liberation Sans", Qt::CaseInsensitive)
        ? "Liberation Sans"
        : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QCOMPARE(font.family(), expected);
    QCOMPARE(QFontInfo(font).family(), expected);
}

void TestMainWindow::windowAndIcon()
{
    QCOMPARE(m_window->objectName(), "frmTenvex");
    QCOMPARE(m_window->windowTitle(), "Orvid Tenvex");
    QCOMPARE(m_window->size(), QSize(324, 235));
    QCOMPARE(control<QLabel>("Label1")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // Drawn at every size a panel or task switcher asks for, not scaled up from a small one, once
    // the window is on the screen.
    QTRY_COMPARE(m_window->windowIcon().availableSizes().size(), 8);
    const QList<QSize> sizes = m_window->windowIcon().availableSizes();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    const QImage icon = m_window->windowIcon().pixmap(32, 32).toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            QVERIFY2(qAlpha(icon.pixel(x, y)) == 255, "every pixel is opaque");
    }
    QCOMPARE(QColor(icon.pixel(0, 16)), QColor(0x80, 0x80, 0x00));  // olive left edge
    QCOMPARE(QColor(icon.pixel(16, 0)), QColor(0x80, 0x80, 0x00));  // olive top edge
    QCOMPARE(QColor(icon.pixel(30, 30)), QColor(0xFF, 0xFF, 0x00)); // yellow square
    QCOMPARE(QColor(icon.pixel(9, 10)), QColor(0x00, 0x00, 0xFF));  // left arrow's shaft
    QCOMPARE(QColor(icon.pixel(9, 25)), QColor(0x00, 0x00, 0xFF));  // its head, low: pointing down
    QCOMPARE(QColor(icon.pixel(23, 22)), QColor(0x00, 0x00, 0xFF)); // right arrow's shaft
    QCOMPARE(QColor(icon.pixel(23, 7)), QColor(0x00, 0x00, 0xFF));  // its head, high: pointing up
    QCOMPARE(QColor(icon.pixel(9, 4)), QColor(0xFF, 0xFF, 0x00));   // above the down arrow
    QCOMPARE(QColor(icon.pixel(23, 28)), QColor(0xFF, 0xFF, 0x00)); // below the up arrow
}

void TestMainWindow::prefixLists()
{
    for (const char *name : {"cmbFromUnit", "cmbToUnit"}) {
        const auto *box = control<QComboBox>(name);
        QStringList entries;
        for (int i = 0; i < box->count(); ++i)
            entries << box->itemText(i);
        QCOMPARE(entries, ListEntries);
        QVERIFY(box->isEditable());
    }
}

// State: the window just shown. Expected: "1", "Unit", "Unit", centred on the primary screen.
void TestMainWindow::stateAfterLoad()
{
    QCOMPARE(control<QLineEdit>("txtFrom")->text(), "1");
    QCOMPARE(control<QComboBox>("cmbFromUnit")->currentText(), "Unit");
    QCOMPARE(control<QComboBox>("cmbToUnit")->currentText(), "Unit");
    QCOMPARE(control<QComboBox>("cmbToUnit")->currentIndex(), ListEntries.indexOf("Unit"));
    QCOMPARE(result(), "1");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = m_window->frameGeometry();
    QCOMPARE(frame.center(), screen.center());

    // The input has the focus with its "1" selected: what the user types first replaces it.
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("txtFrom"));
    QCOMPARE(control<QLineEdit>("txtFrom")->selectedText(), "1");
    QTest::keyClicks(QApplication::focusWidget(), "2.5");
    QCOMPARE(control<QLineEdit>("txtFrom")->text(), "2.5");
}

// State: a window larger than the screen. Expected: centred all the same, edges negative.
void TestMainWindow::largeWindowGetsNegativeEdges()
{
    QtForm large(tenvex::MainWindow);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    large.resize(screen.width() + 200, screen.height() + 100);
    large.open();
    QCOMPARE(large.frameGeometry().center(), screen.center());
    QVERIFY(large.frameGeometry().left() < screen.left());
    QVERIFY(large.frameGeometry().top() < screen.top());
}

void TestMainWindow::tabCyclesFocusableControls_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("Tab") << Qt::KeyboardModifiers()
                         << QStringList{"txtFrom", "cmbFromUnit", "cmbToUnit", "cmdCalculate",
                                        "txtFrom"};
    QTest::newRow("Shift+Tab") << Qt::KeyboardModifiers(Qt::ShiftModifier)
                               << QStringList{"txtFrom", "cmdCalculate", "cmbToUnit", "cmbFromUnit",
                                              "txtFrom"};
}

void TestMainWindow::tabCyclesFocusableControls()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QStringList, order);
    const auto focusedControl = [] {
        QWidget *widget = QApplication::focusWidget();
        // An editable combo box's line edit holds the focus for it.
        if (widget && qobject_cast<QComboBox *>(widget->parentWidget()))
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    };
    control<QLineEdit>("txtFrom")->setFocus();
    QStringList visited{focusedControl()};
    for (int step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        visited << focusedControl();
    }
    QCOMPARE(visited, order);
}

void TestMainWindow::enterAndEscapeConvertNothing_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"txtFrom", "cmbFromUnit", "cmbToUnit", "cmdCalculate"})
        QTest::newRow(name) << name;
}

// State: an edited input, so the result is empty. Action: Enter and Escape in a control.
// Expected: nothing converted, nothing reported, the window still open.
void TestMainWindow::enterAndEscapeConvertNothing()
{
    QFETCH(QString, name);
    typeInput("5");
    auto *widget = m_window->findChild<QWidget *>(name);
    widget->setFocus();
    QWidget *target = QApplication::focusWidget();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(target, key);
    QCOMPARE(result(), "");
    QVERIFY(m_reports.isEmpty());
    QVERIFY(m_window->isVisible());
    QVERIFY(!control<QPushButton>("cmdCalculate")->isDefault());
}

void TestMainWindow::editingClearsResult_data()
{
    QTest::addColumn<QString>("edit");
    QTest::newRow("typing") << "type";
    QTest::newRow("deleting") << "delete";
    QTest::newRow("pasting") << "paste";
}

void TestMainWindow::editingClearsResult()
{
    QFETCH(QString, edit);
    clickConvert();
    QCOMPARE(result(), "1");
    auto *input = control<QLineEdit>("txtFrom");
    QTest::mouseClick(input, Qt::LeftButton);
    QTest::keyClick(input, Qt::Key_End);
    if (edit == "type") {
        QTest::keyClick(input, Qt::Key_0);
    } else if (edit == "delete") {
        QTest::keyClick(input, Qt::Key_Backspace);
    } else {
        QApplication::clipboard()->setText("25");
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(result(), "");
}

void TestMainWindow::pastesBeyondTheLimitAreRefused_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("taken");
    QTest::newRow("ctrl_v_at_the_limit") << "ctrl+v" << 250'000 << true;
    QTest::newRow("ctrl_v_one_beyond") << "ctrl+v" << 250'001 << false;
    QTest::newRow("ctrl_v_ten_megabytes") << "ctrl+v" << 10'000'000 << false;
    QTest::newRow("shift_insert_beyond") << "shift+insert" << 250'001 << false;
    QTest::newRow("middle_click_beyond") << "middle" << 250'001 << false;
}

// State: the input's text selected. Action: a digit text pasted over it. Expected: taken whole
// up to the limit; beyond it refused, reported once, the text kept, the window answering at once.
void TestMainWindow::pastesBeyondTheLimitAreRefused()
{
    QFETCH(QString, way);
    QFETCH(int, length);
    QFETCH(bool, taken);
    const QString pasted(length, u'3');
    auto *input = control<QLineEdit>("txtFrom");
    input->setFocus();
    input->selectAll();
    QElapsedTimer timer;
    timer.start();
    if (way == "middle") {
        if (!QApplication::clipboard()->supportsSelection())
            QSKIP("no primary selection on this platform");
        QApplication::clipboard()->setText(pasted, QClipboard::Selection);
        QTest::mouseClick(input, Qt::MiddleButton);
    } else {
        QApplication::clipboard()->setText(pasted);
        QTest::keySequence(input, QKeySequence(way));
    }
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed()) + " ms"));
    QCOMPARE(input->text().size(), taken ? length : 1);
    QCOMPARE(m_reports,
             taken ? QStringList()
                   : QStringList("The Quantity box holds at most 250000 characters: the text was "
                                 "not put in, and the box keeps what it had."));
}

// State: a result shown. Action: another prefix chosen in each box, from the list and typed.
// Expected: the result stays as it was.
void TestMainWindow::prefixChangeKeepsResult()
{
    typeInput("2.5");
    typePrefix(prefixBox("from"), "Kilo (K)");
    clickConvert();
    QCOMPARE(result(), "2500");
    prefixBox("to")->setFocus();
    QTest::keyClick(prefixBox("to"), Qt::Key_Down);
    QCOMPARE(prefixBox("to")->currentText(), "centi (c)");
    typePrefix(prefixBox("from"), "Mega (M)");
    QCOMPARE(result(), "2500");
}

void TestMainWindow::typedPrefixStandsAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("wrong case of an entry") << "kilo (k)";
    QTest::newRow("start of an entry") << "Ki";
    QTest::newRow("entry as listed") << "Kilo (K)";
    QTest::newRow("name in no list") << "deci (d)";
}

// Action: a name typed into a prefix box, Enter pressed, focus moved on.
// Expected: the text exactly as typed, the list still its ten entries.
void TestMainWindow::typedPrefixStandsAsTyped()
{
    QFETCH(QString, typed);
    QComboBox *box = prefixBox("from");
    typePrefix(box, typed);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
    QCOMPARE(box->currentText(), typed);
    QCOMPARE(box->count(), ListEntries.size());
}

void TestMainWindow::clickConverts_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");

    QTest::newRow("unit to unit") << "1"
                                  << "Unit"
                                  << "Unit"
                                  << "1";
    QTest::newRow("kilo to milli") << "2.5"
                                   << "Kilo (K)"
                                   << "milli (m)"
                                   << "2500000";
    QTest::newRow("mega to kilo") << "5"
                                  << "Mega (M)"
                                  << "Kilo (K)"
                                  << "5000";
    QTest::newRow("unit to kilo") << "1"
                                  << "Unit"
                                  << "Kilo (K)"
                                  << "0.001";
    QTest::newRow("typed deci") << "5"
                                << "deci (d)"
                                << "Unit"
                                << "0.5";
    QTest::newRow("exponent result") << "3"
                                     << "Giga (G)"
                                     << "micro (u)"
                                     << "3E+15";
}

void TestMainWindow::clickConverts()
{
    QFETCH(QString, input);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    typeInput(input);
    typePrefix(prefixBox("from"), from);
    typePrefix(prefixBox("to"), to);
    clickConvert();
    QCOMPARE(result(), expected);
    QVERIFY(m_reports.isEmpty());
}

void TestMainWindow::errorsAreReportedAndLabelKept_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("reported");

    // A prefix change keeps the previous result on screen; an edited input has cleared it.
    QTest::newRow("overflow") << "1e300"
                              << "Tera (T)"
                              << "Unit"
                              << "1E+300"
                              << "too large";
    QTest::newRow("unknown prefix") << "1e300"
                                    << "kilo (k)"
                                    << "Unit"
                                    << "1E+300"
                                    << "\"kilo (k)\"";
    QTest::newRow("not a number") << "abc"
                                  << "Unit"
                                  << "Unit"
                                  << ""
                                  << "\"abc\"";
    QTest::newRow("number too large") << "1e309"
                                      << "Unit"
                                      << "Unit"
                                      << ""
                                      << "\"1e309\"";
}

// State: "1e300" converted from "Unit" to "Unit". Action: the row's input and prefixes, a click.
// Expected: one report naming the problem; the label as it was; the program goes on.
void TestMainWindow::errorsAreReportedAndLabelKept()
{
    QFETCH(QString, input);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, kept);
    QFETCH(QString, reported);
    typeInput("1e300");
    clickConvert();
    QCOMPARE(result(), "1E+300");

    if (input != "1e300")
        typeInput(input);
    typePrefix(prefixBox("from"), from);
    typePrefix(prefixBox("to"), to);
    clickConvert();
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports.first().contains(reported), qPrintable(m_reports.first()));
    QCOMPARE(result(), kept);

    // The user corrects the input and converts again.
    typeInput("2");
    typePrefix(prefixBox("from"), "Kilo (K)");
    clickConvert();
    QCOMPARE(result(), "2000");
    QCOMPARE(m_reports.size(), 1);
}

void TestMainWindow::twoClicksGiveTheSameText()
{
    typeInput("0.1");
    typePrefix(prefixBox("from"), "micro (u)");
    typePrefix(prefixBox("to"), "pico (p)");
    clickConvert();
    const QString first = result();
    clickConvert();
    QCOMPARE(result(), first);
    QCOMPARE(first, "100000");
}

// A 20-character result in the 105-pixel label: shown with its leading digits, an ellipsis and
// its exponent; the full text stays the caption, the tooltip, and what Copy takes.
void TestMainWindow::wideResultIsShortenedVisibly()
{
    typeInput("1234567890123456");
    clickConvert();
    auto *label = control<ResultLabel>("lblTo");
    QCOMPARE(label->caption(), "1.23456789012346E+15");
    QVERIFY(label->isShortened());
    QVERIFY2(label->text().startsWith("1.23") && label->text().endsWith(u"\u2026E+15"),
             qPrintable(label->text()));
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text())
            <= label->contentsRect().width() - label->indent());
    QCOMPARE(label->toolTip(), "1.23456789012346E+15");

    QTest::mouseClick(label, Qt::LeftButton);
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), "1.23456789012346E+15");

    typeInput("5");
    clickConvert();
    QVERIFY(!label->isShortened());
    QCOMPARE(label->toolTip(), "");
}

void TestMainWindow::everyResultIsCopiedWhole_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("whole");
    QTest::newRow("fits the box") << "2500000"
                                  << "2500000";
    QTest::newRow("shortened") << "-1.23456789012345e-300"
                               << "-1.23456789012345E-300";
}

// State: a result shown. Action: Copy from the context menu, then Ctrl+C.
// Expected: both put the whole result on the clipboard, shortened on screen or not.
void TestMainWindow::everyResultIsCopiedWhole()
{
    QFETCH(QString, input);
    QFETCH(QString, whole);
    typeInput(input);
    clickConvert();
    auto *label = control<ResultLabel>("lblTo");
    QCOMPARE(label->caption(), whole);

    QApplication::clipboard()->clear();
    QTimer::singleShot(0, label, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.first()->text(), "&Copy");
        actions.first()->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, label->rect().center(),
                            label->mapToGlobal(label->rect().center()));
    QApplication::sendEvent(label, &event);
    QCOMPARE(QApplication::clipboard()->text(), whole);

    QApplication::clipboard()->clear();
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), whole);
}

void TestMainWindow::resultLooksLikeAnOutputBox()
{
    auto *label = control<ResultLabel>("lblTo");
    QCOMPARE(label->frameShape(), QFrame::Box);
    QCOMPARE(label->frameShadow(), QFrame::Plain);
    QCOMPARE(label->lineWidth(), 1);
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(label->textInteractionFlags(), Qt::TextSelectableByMouse);
    QCOMPARE(label->focusPolicy(), Qt::ClickFocus); // selectable, but not in the tab chain
    typeInput("");
    const QImage drawn = label->grab().toImage();
    const QPalette palette = QApplication::palette();
    QCOMPARE(QColor(drawn.pixel(drawn.width() / 2, drawn.height() / 2)),
             palette.color(QPalette::Base));
    QCOMPARE(QColor(drawn.pixel(0, drawn.height() / 2)), palette.color(QPalette::WindowText));
}

// State: the desktop's theme changes while the window is open. Expected: the result box still
// has the colours of an entry field, the new theme's.
void TestMainWindow::resultKeepsEntryColoursAfterAThemeChange()
{
    const QPalette original = QApplication::palette();
    QPalette theme = original;
    theme.setColor(QPalette::Base, QColor(0x20, 0x30, 0x40));
    theme.setColor(QPalette::Window, QColor(0xE0, 0xD0, 0xC0));
    QApplication::setPalette(theme);
    // The change reaches the window as a theme change does, through the event loop.
    QTRY_COMPARE(m_window->palette().color(QPalette::Base), QColor(0x20, 0x30, 0x40));
    typeInput("");
    const QImage drawn = control<ResultLabel>("lblTo")->grab().toImage();
    QApplication::setPalette(original);
    QCOMPARE(QColor(drawn.pixel(drawn.width() / 2, drawn.height() / 2)), QColor(0x20, 0x30, 0x40));
}

void TestMainWindow::anyCaptionInAnyRoom_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("empty") << "";
    QTest::newRow("minus alone") << "-";
    QTest::newRow("exponent marker alone") << "E";
    QTest::newRow("exponent without mantissa") << "E+05";
    QTest::newRow("zero") << "0";
    QTest::newRow("long result") << "-1.23456789012345E-300";
}

// State: the result box holds any caption. Action: it is made narrower than a digit, as a theme
// or a font can make it, and wide again. Expected: nothing reported, nothing stuck, the caption
// whole.
void TestMainWindow::anyCaptionInAnyRoom()
{
    QFETCH(QString, caption);
    auto *label = control<ResultLabel>("lblTo");
    m_window->setText(u"lblTo", View(caption));
    label->resize(1, label->height());
    label->resize(105, label->height());
    QCOMPARE(label->caption(), caption);
    QVERIFY(m_reports.isEmpty());
}

void TestMainWindow::accessibility()
{
    QCOMPARE(control<QLineEdit>("txtFrom")->accessibleName(), "Quantity");
    // Each prefix box is named for its role, with its text as its value.
    for (const auto &[name, role] :
         {std::pair{"cmbFromUnit", "From prefix"}, std::pair{"cmbToUnit", "To prefix"}}) {
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(control<QComboBox>(name));
        QVERIFY(box);
        QCOMPARE(box->text(QAccessible::Name), role);
        QCOMPARE(box->text(QAccessible::Value), "Unit");
        QCOMPARE(box->childCount(), 2);
    }
    QAccessibleInterface *button
        = QAccessible::queryAccessibleInterface(control<QPushButton>("cmdCalculate"));
    QVERIFY(button);
    QCOMPARE(button->text(QAccessible::Name), "Convert");

    // What a screen reader reads for the result: the full text, even where the label shows less.
    typeInput("1234567890123456");
    clickConvert();
    QAccessibleInterface *result
        = QAccessible::queryAccessibleInterface(control<ResultLabel>("lblTo"));
    QVERIFY(result);
    QCOMPARE(result->role(), QAccessible::EditableText);
    QVERIFY(result->state().readOnly);
    QCOMPARE(result->text(QAccessible::Name), "Result");
    QCOMPARE(result->text(QAccessible::Value), "1.23456789012346E+15");
    QCOMPARE(result->text(QAccessible::Description), "");
    QAccessibleTextInterface *text = result->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), 20);
    QCOMPARE(text->text(0, text->characterCount()), "1.23456789012346E+15");
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
