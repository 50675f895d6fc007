#include "main_window.h"

#include "conversion/convert.h"
#include "resources/icon.h"
#include "runtime/event_binding.h"
#include "runtime/qt_text.h"
#include "runtime/screen.h"
#include "ui_main_window.h"

namespace tenvex {

namespace {

const QString NoPrefix = QStringLiteral("Unit");

// Sets the text of an editable prefix box; a text that is an entry of its list also selects that
// entry, so that the list opens on it.
void SetPrefixText(QComboBox &box, const QString &text)
{
    const int entry = box.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0)
        box.setCurrentIndex(entry);
    else
        box.setEditText(text);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : Form(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    // Drawn rather than read from an image file: no image plugins to load at start-up.
    setWindowIcon(QPixmap::fromImage(DrawIcon(32)));
    // Typed prefix names stand exactly as typed: an editable combo box would otherwise complete
    // them case-insensitively and, on Enter, swap them for the list entry of another case.
    m_ui->cmbFromUnit->setCompleter(nullptr);
    m_ui->cmbToUnit->setCompleter(nullptr);

    BindEvent(m_ui->txtFrom, &QLineEdit::textChanged, this, [this] { onInputChanged(); });
    BindEvent(m_ui->cmdCalculate, &QPushButton::clicked, this, [this] { onConvertClicked(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::load()
{
    const QRect screen = PrimaryScreenGeometry();
    WindowFrame frame(*this);
    const QSize outer = frame.outerSize();
    // No clamping: a screen smaller than the window gives a negative edge.
    frame.moveTo({screen.x() + (screen.width() - outer.width()) / 2,
                  screen.y() + (screen.height() - outer.height()) / 2});
    SetPrefixText(*m_ui->cmbFromUnit, NoPrefix);
    SetPrefixText(*m_ui->cmbToUnit, NoPrefix);
}

void MainWindow::onInputChanged()
{
    m_ui->lblTo->setCaption(QString());
}

void MainWindow::onConvertClicked()
{
    const QString input = m_ui->txtFrom->text();
    const QString fromName = m_ui->cmbFromUnit->currentText();
    const QString toName = m_ui->cmbToUnit->currentText();
    m_ui->lblTo->setCaption(ToQString(ConvertQuantity(View(input), View(fromName), View(toName))));
}

} // namespace tenvex
