// SPDX-License-Identifier: MIT
#include "qt_form.h"

#include "error.h"
#include "error_report.h"
#include "icon.h"
#include "qt_text.h"
#include "result_label.h"
#include "window_frame.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <limits>

namespace tenvex {

namespace {

// 1440 twips to the inch, 96 device-independent pixels to the inch.
constexpr float TwipsPerPixel = 15.0F;

// Whole pixels, cut toward zero as halving a whole number of pixels is.
int Pixels(float twips)
{
    return static_cast<int>(twips / TwipsPerPixel);
}

float Twips(int pixels)
{
    return static_cast<float>(pixels) * TwipsPerPixel;
}

QRect PixelRect(const TwipsRect &twips)
{
    return {Pixels(static_cast<float>(twips.left)), Pixels(static_cast<float>(twips.top)),
            Pixels(static_cast<float>(twips.width)), Pixels(static_cast<float>(twips.height))};
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

QLabel *CreateLabel(const ControlDescription &description, QWidget *parent)
{
    if (description.border == Border::None) {
        auto *label = new QLabel(ToQString(description.text), parent);
        label->setAlignment(description.alignment == Alignment::Centre
                                ? Qt::AlignHCenter | Qt::AlignTop
                                : Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    // A label with a border is an output box: it shows a result, whole or visibly shortened,
    // in the colours of an entry field.
    auto *label = new ResultLabel(parent);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setIndent(2);
    label->setAlignment(
        (description.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft)
        | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, palette.color(Role(description.background)));
    palette.setColor(QPalette::WindowText, palette.color(Role(description.foreground)));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setCaption(ToQString(description.text));
    return label;
}

QWidget *CreateControl(const ControlDescription &description, QWidget *parent)
{
    const QString text = ToQString(description.text);
    switch (description.kind) {
    case ControlKind::Label:
        return CreateLabel(description, parent);
    case ControlKind::Frame:
        return new QGroupBox(text, parent);
    case ControlKind::TextBox: {
        auto *edit = new QLineEdit(text, parent);
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    case ControlKind::ComboBox: {
        auto *box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        // Typed names stand exactly as typed: the completer would otherwise complete them
        // case-insensitively and, on Enter, swap them for the list entry of another case.
        box->setCompleter(nullptr);
        for (const std::u16string_view entry : description.listEntries)
            box->addItem(ToQString(entry));
        box->setMaxVisibleItems(std::max(box->count(), 1));
        box->setEditText(text);
        return box;
    }
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(text, parent);
        // Neither Enter nor Escape presses it.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    }
    qFatal("unknown control kind");
}

// An editable combo box as screen readers read it: by its accessible name, with its text as its
// value and its line edit and list as its children. (Qt on Linux names an editable combo box
// after its current text, which would name both prefix boxes "Unit".)
class AccessibleComboBox final : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(kind);
    }

    int childCount() const override { return static_cast<int>(children().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const std::array<QObject *, 2> all = children();
        return index >= 0 && index < childCount()
            ? QAccessible::queryAccessibleInterface(all[static_cast<std::size_t>(index)])
            : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const std::array<QObject *, 2> all = children();
        const auto found = std::ranges::find(all, child ? child->object() : nullptr);
        return found == all.end() ? -1 : static_cast<int>(found - all.begin());
    }

private:
    [[nodiscard]] QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
    [[nodiscard]] std::array<QObject *, 2> children() const
    {
        return {box()->lineEdit(), box()->view()};
    }
};

QAccessibleInterface *AccessibleInterface(const QString &, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    return box && box->isEditable() ? new AccessibleComboBox(box) : nullptr;
}

bool TakesFocus(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::ComboBox
        || kind == ControlKind::CommandButton;
}

} // namespace

QtForm::QtForm(const FormDescription &description, QWidget *parent)
    : QWidget(parent)
{
    static const bool accessibleComboBoxes
        = (QAccessible::installFactory(AccessibleInterface), true);
    Q_UNUSED(accessibleComboBoxes);
    setObjectName(ToQString(description.name));
    setWindowTitle(ToQString(description.caption));
    // Drawn rather than read from image files: no image plugins to load at start-up.
    setWindowIcon(ProgramIcon());
    resize(Pixels(static_cast<float>(description.clientWidth)),
           Pixels(static_cast<float>(description.clientHeight)));

    // Parents come before their children in the description.
    std::vector<const ControlDescription *> tabOrder;
    for (const ControlDescription &controlDescription : description.controls) {
        QWidget *parentWidget = controlDescription.parent == description.name
            ? this
            : control(controlDescription.parent);
        QWidget *widget = CreateControl(controlDescription, parentWidget);
        widget->setObjectName(ToQString(controlDescription.name));
        widget->setGeometry(PixelRect(controlDescription.geometry));
        QFont font(ToQString(description.fontFace));
        font.setBold(description.bold);
        font.setPointSizeF(controlDescription.fontSize);
        widget->setFont(font);
        if (!controlDescription.accessibleName.empty())
            widget->setAccessibleName(ToQString(controlDescription.accessibleName));
        if (TakesFocus(controlDescription.kind))
            tabOrder.push_back(&controlDescription);
    }
    std::ranges::sort(tabOrder, {}, &ControlDescription::tabIndex);
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(control(tabOrder[i - 1]->name), control(tabOrder[i]->name));

    for (const EventBinding &binding : description.events)
        bind(binding);
}

QtForm::~QtForm() = default;

void QtForm::bind(const EventBinding &binding)
{
    const EventHandler handler = binding.handler;
    const auto run = [this, handler] { RunHandler(*this, handler); };
    switch (binding.event) {
    case EventKind::Load:
        m_loadHandlers.push_back(handler);
        return;
    case EventKind::Change:
        if (auto *edit = qobject_cast<QLineEdit *>(control(binding.source))) {
            connect(edit, &QLineEdit::textChanged, this, run);
            return;
        }
        break;
    case EventKind::Click:
        if (auto *button = qobject_cast<QPushButton *>(control(binding.source))) {
            connect(button, &QPushButton::clicked, this, run);
            return;
        }
        break;
    }
    qFatal("the window description binds an event its control does not raise");
}

void QtForm::open()
{
    for (const EventHandler handler : m_loadHandlers)
        RunHandler(*this, handler);
    show();
}

QWidget *QtForm::control(std::u16string_view name) const
{
    auto *widget = findChild<QWidget *>(ToQString(name));
    if (!widget)
        throw Error(ErrorKind::NoSuchControl, name);
    return widget;
}

std::u16string QtForm::text(std::u16string_view name) const
{
    QWidget *widget = control(name);
    QString text;
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        text = edit->text();
    else if (auto *box = qobject_cast<QComboBox *>(widget))
        text = box->currentText();
    else if (auto *result = qobject_cast<ResultLabel *>(widget))
        text = result->caption();
    else if (auto *label = qobject_cast<QLabel *>(widget))
        text = label->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        text = frame->title();
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        text = button->text();
    return std::u16string(View(text));
}

void QtForm::setText(std::u16string_view name, std::u16string_view text)
{
    QWidget *widget = control(name);
    const QString value = ToQString(text);
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        edit->setText(value);
    } else if (auto *box = qobject_cast<QComboBox *>(widget)) {
        // A text that is an entry of the list also selects it, so that the list opens on it.
        const int entry = box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (entry >= 0)
            box->setCurrentIndex(entry);
        box->setEditText(value);
    } else if (auto *result = qobject_cast<ResultLabel *>(widget)) {
        result->setCaption(value);
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        label->setText(value);
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        frame->setTitle(value);
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        button->setText(value);
    }
}

QMargins QtForm::frameMargins() const
{
    if (!m_frameMargins)
        m_frameMargins = FrameMargins(*this);
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
    return {Twips(outer.width()), Twips(outer.height())};
}

void QtForm::setLeft(float left)
{
    QPoint corner = outerTopLeft();
    corner.setX(PrimaryScreenGeometry().x() + Pixels(left));
    moveOuterTopLeft(corner);
}

void QtForm::setTop(float top)
{
    QPoint corner = outerTopLeft();
    corner.setY(PrimaryScreenGeometry().y() + Pixels(top));
    moveOuterTopLeft(corner);
}

TwipsSize QtForm::screenSize() const
{
    const QSize screen = PrimaryScreenGeometry().size();
    return {Twips(screen.width()), Twips(screen.height())};
}

void QtForm::reportError(std::u16string_view message)
{
    ReportError(this, ToQString(message));
}

} // namespace tenvex
