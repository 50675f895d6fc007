// SPDX-License-Identifier: MIT
#include "qt_form.h"

#include "accessibility.h"
#include "combo_box.h"
#include "form_layout.h"
#include "icon.h"
#include "qt_text.h"
#include "result_label.h"
#include "text_box.h"
#include "window_frame.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace tenvex {

namespace {

// Device-independent pixels: Qt scales them to the screen's density.
constexpr int DotsPerInch = 96;

int PixelsOf(double twips)
{
    return Pixels(twips, DotsPerInch);
}

QRect PixelRect(const TwipsRect &twips)
{
    return {PixelsOf(twips.left), PixelsOf(twips.top), PixelsOf(twips.width),
            PixelsOf(twips.height)};
}

QPalette::ColorRole Role(SystemColour colour)
{
    switch (colour) {
    case SystemColour::Window:
        return QPalette::Base;
    case SystemColour::WindowText:
        return QPalette::Text;
    case SystemColour::ButtonFace:
        return QPalette::Window;
    case SystemColour::ButtonText:
        return QPalette::WindowText;
    }
    return QPalette::Window;
}

// The face the controls are drawn in: the description's where the system has it; otherwise
// Liberation Sans, a plain sans-serif face of about the widths the layout was drawn with, so that
// texts fill their controls as intended (the package recommends it); otherwise the system's
// sans-serif face. Found among the faces the system has and asked for by name, so that the font
// system makes no search for a face that is not there (as asking whether it has one would).
QString InstalledFace(std::u16string_view described)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &face : {ToQString(described), QStringLiteral("Liberation Sans")}) {
        if (installed.contains(face, Qt::CaseInsensitive))
            return face;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

Qt::Alignment HorizontalAlignment(Alignment alignment)
{
    return alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

QWidget *CreateLabel(const ControlDescription &control, Form &form, QWidget *parent)
{
    if (!IsOutputBox(control)) {
        auto *label = new QLabel(parent);
        label->setAlignment(HorizontalAlignment(control.alignment) | Qt::AlignTop);
        return label;
    }
    auto *box = new ResultLabel(form, control, parent);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->setIndent(2);
    box->setAlignment(HorizontalAlignment(control.alignment) | Qt::AlignVCenter);
    box->setAutoFillBackground(true);
    return box;
}

// The font comes first: set after the list is filled, it would lay the list out again.
QWidget *CreateComboBox(const ControlDescription &control, const QFont &font, QWidget *parent)
{
    auto *box = new ComboBox(parent);
    box->setFont(font);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Typed names stand exactly as typed: the completer would otherwise complete them
    // case-insensitively and, on Enter, swap them for the list entry of another case.
    box->setCompleter(nullptr);
    for (const std::u16string_view entry : control.listEntries)
        box->addItem(ToQString(entry));
    box->setMaxVisibleItems(ListRows(control));
    return box;
}

QWidget *CreateButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    // Neither Enter nor Escape presses it.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget *CreateWidget(const ControlDescription &control, const QFont &font, Form &form,
                      QWidget *parent)
{
    switch (control.kind) {
    case ControlKind::Label:
        return CreateLabel(control, form, parent);
    case ControlKind::Frame:
        return new QGroupBox(parent);
    case ControlKind::TextBox:
        return new TextBox(form, DisplayName(control), parent);
    case ControlKind::ComboBox:
        return CreateComboBox(control, font, parent);
    case ControlKind::CommandButton:
        return CreateButton(parent);
    }
    qFatal("unknown control kind");
}

} // namespace

QtForm::QtForm(const FormDescription &description, ErrorReporter reportError, QWidget *parent)
    : QWidget(parent)
    , m_description(description)
    , m_reportError(std::move(reportError))
    , m_frameRequest((prepareNativeWindow(description), *this))
    , m_face(InstalledFace(description.fontFace))
{
    InstallAccessibleInterfaces();

    m_widgets.reserve(description.controls.size());
    for (const ControlDescription &control : description.controls)
        createControl(control);
    // The first texts, the result's shortened to fit, are code of ours run outside any handler.
    RunGuarded(*this, [this] {
        for (std::size_t index = 0; index < m_widgets.size(); ++index)
            setText(m_description.controls[index].name, m_description.controls[index].text);
    });

    QWidget *previous = nullptr;
    for (const std::size_t index : ControlsByTabIndex(description)) {
        if (!TakesFocus(description.controls[index].kind))
            continue;
        if (previous)
            setTabOrder(previous, m_widgets[index]);
        previous = m_widgets[index];
    }
    connectEvents();
}

QtForm::~QtForm() = default;

// What the native window is made with: its title and its size. (Its icon comes once it is
// shown.)
void QtForm::prepareNativeWindow(const FormDescription &description)
{
    setObjectName(ToQString(description.name));
    setWindowTitle(ToQString(description.caption));
    resize(PixelsOf(description.clientWidth), PixelsOf(description.clientHeight));
}

void QtForm::createControl(const ControlDescription &control)
{
    // A control's parent comes before it in the description.
    QWidget *parent = control.parent == m_description.name
        ? this
        : m_widgets[ControlIndex(m_description, control.parent)];
    QFont font(m_face);
    font.setBold(m_description.bold);
    font.setPointSizeF(control.fontSize);
    QWidget *widget = CreateWidget(control, font, *this, parent);
    widget->setFont(font);
    widget->setObjectName(ToQString(control.name));
    widget->setGeometry(PixelRect(control.geometry));
    if (TakesColours(control)) {
        widget->setBackgroundRole(Role(control.background));
        widget->setForegroundRole(Role(control.foreground));
    }
    if (!control.accessibleName.empty())
        widget->setAccessibleName(ToQString(control.accessibleName));
    m_widgets.push_back(widget);
}

void QtForm::connectEvents()
{
    // Each kind's event is the signal its widget gives for it.
    for (std::size_t index = 0; index < m_widgets.size(); ++index) {
        const std::u16string_view source = m_description.controls[index].name;
        const std::optional<EventKind> event = EventOf(m_description.controls[index].kind);
        const auto raise
            = [this, source, event] { RaiseEvent(*this, m_description, source, *event); };
        if (event == EventKind::Change)
            connect(static_cast<QLineEdit *>(m_widgets[index]), &QLineEdit::textChanged, this,
                    raise);
        else if (event == EventKind::Click)
            connect(static_cast<QPushButton *>(m_widgets[index]), &QPushButton::clicked, this,
                    raise);
    }
}

void QtForm::open()
{
    RaiseEvent(*this, m_description, m_description.name, EventKind::Load);
    if (const auto first = FirstFocus(m_description))
        focusWithTextSelected(*first);
    show();
}

// The icon, at every size a panel or task switcher may ask for, sent once the window is on the
// screen and first drawn: it takes no part in bringing the window up. Drawn rather than read
// from image files: no image plugins to load.
void QtForm::paintEvent(QPaintEvent *event) noexcept
{
    QWidget::paintEvent(event);
    if (m_iconSent)
        return;
    m_iconSent = true;
    RunGuarded(*this, [this] {
        QTimer::singleShot(0, this, [this] {
            RunGuarded(*this, [this] { setWindowIcon(ProgramIcon(IconSizes)); });
        });
    });
}

// As the Tab key leaves it: the control has the focus, and typing replaces its text.
void QtForm::focusWithTextSelected(std::size_t place)
{
    QWidget *widget = m_widgets[place];
    widget->setFocus();
    switch (m_description.controls[place].kind) {
    case ControlKind::TextBox:
        static_cast<QLineEdit *>(widget)->selectAll();
        break;
    case ControlKind::ComboBox:
        static_cast<QComboBox *>(widget)->lineEdit()->selectAll();
        break;
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::CommandButton:
        break;
    }
}

std::u16string QtForm::text(std::u16string_view name) const
{
    const std::size_t index = ControlIndex(m_description, name);
    const ControlDescription &control = m_description.controls[index];
    QWidget *widget = m_widgets[index];
    QString text;
    switch (control.kind) {
    case ControlKind::Label:
        text = IsOutputBox(control) ? static_cast<ResultLabel *>(widget)->caption()
                                    : static_cast<QLabel *>(widget)->text();
        break;
    case ControlKind::Frame:
        text = static_cast<QGroupBox *>(widget)->title();
        break;
    case ControlKind::TextBox:
        text = static_cast<QLineEdit *>(widget)->text();
        break;
    case ControlKind::ComboBox:
        text = static_cast<QComboBox *>(widget)->currentText();
        break;
    case ControlKind::CommandButton:
        text = static_cast<QPushButton *>(widget)->text();
        break;
    }
    return std::u16string(View(text));
}

void QtForm::setText(std::u16string_view name, std::u16string_view text)
{
    const std::size_t index = ControlIndex(m_description, name);
    const ControlDescription &control = m_description.controls[index];
    QWidget *widget = m_widgets[index];
    const QString value = ToQString(text);
    switch (control.kind) {
    case ControlKind::Label:
        if (IsOutputBox(control))
            static_cast<ResultLabel *>(widget)->setCaption(value);
        else
            static_cast<QLabel *>(widget)->setText(value);
        break;
    case ControlKind::Frame:
        static_cast<QGroupBox *>(widget)->setTitle(value);
        break;
    case ControlKind::TextBox:
        static_cast<QLineEdit *>(widget)->setText(value);
        break;
    case ControlKind::ComboBox: {
        auto *box = static_cast<QComboBox *>(widget);
        // A text that is exactly an entry of the list also selects it, so that the list opens
        // on it.
        if (const auto entry = ListEntryIndex(control.listEntries, text))
            box->setCurrentIndex(static_cast<int>(*entry));
        box->setEditText(value);
        break;
    }
    case ControlKind::CommandButton:
        static_cast<QPushButton *>(widget)->setText(value);
        break;
    }
}

QMargins QtForm::frameMargins() const
{
    if (!m_frameMargins)
        m_frameMargins = m_frameRequest.margins();
    return *m_frameMargins;
}

QPoint QtForm::outerTopLeft() const
{
    const QMargins margins = frameMargins();
    return geometry().topLeft() - QPoint(margins.left(), margins.top());
}

void QtForm::moveOuterTopLeft(QPoint corner)
{
    // move() places the frame by the frame the toolkit knows of, which before the window is first
    // shown may be none at all: the client area goes where the known frame leaves it.
    const QMargins margins = frameMargins();
    const QPoint knownFrame = geometry().topLeft() - pos();
    move(corner + QPoint(margins.left(), margins.top()) - knownFrame);
}

TwipsSize QtForm::outerSize() const
{
    const QSize outer = size().grownBy(frameMargins());
    return {Twips(outer.width(), DotsPerInch), Twips(outer.height(), DotsPerInch)};
}

void QtForm::setLeft(float left)
{
    QPoint corner = outerTopLeft();
    corner.setX(PrimaryScreenGeometry().x() + PixelsOf(left));
    moveOuterTopLeft(corner);
}

void QtForm::setTop(float top)
{
    QPoint corner = outerTopLeft();
    corner.setY(PrimaryScreenGeometry().y() + PixelsOf(top));
    moveOuterTopLeft(corner);
}

TwipsSize QtForm::screenSize() const
{
    const QSize screen = PrimaryScreenGeometry().size();
    return {Twips(screen.width(), DotsPerInch), Twips(screen.height(), DotsPerInch)};
}

void QtForm::reportError(std::u16string_view message)
{
    m_reportError(this, ToQString(message));
}

} // namespace tenvex
