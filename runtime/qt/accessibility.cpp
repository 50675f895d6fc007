// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "form.h"
#include "form_layout.h"
#include "qt_text.h"
#include "result_label.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <array>

namespace tenvex {

namespace {

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

class AccessibleResult final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleResult(ResultLabel *label)
        : QAccessibleWidget(label, QAccessible::EditableText)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text;
        RunGuarded(label().form(), [&] {
            const AccessibleOutput output = label().accessibleOutput();
            if (kind == QAccessible::Name)
                text = ToQString(output.name);
            else if (kind == QAccessible::Value)
                text = ToQString(output.value);
        });
        return text;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    // The text interface, on the whole caption. Nothing in it is selected or has a cursor. A
    // part of it is a copy, made outside any handler, so guarded as a handler is.
    QString text(int startOffset, int endOffset) const override
    {
        QString part;
        RunGuarded(label().form(),
                   [&] { part = label().caption().mid(startOffset, endOffset - startOffset); });
        return part;
    }
    int characterCount() const override { return static_cast<int>(label().caption().size()); }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run without attributes, the whole text: a reader that walks the runs reaches its end.
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    [[nodiscard]] const ResultLabel &label() const
    {
        return *static_cast<const ResultLabel *>(widget());
    }
};

// The accessible interface of our own kinds of controls, and Qt's for every other.
QAccessibleInterface *AccessibleInterface(const QString &, QObject *object)
{
    if (auto *result = qobject_cast<ResultLabel *>(object))
        return new AccessibleResult(result);
    if (auto *announcement = qobject_cast<Announcement *>(object))
        return new QAccessibleWidget(announcement, QAccessible::Notification);
    auto *box = qobject_cast<QComboBox *>(object);
    return box && box->isEditable() ? new AccessibleComboBox(box) : nullptr;
}

} // namespace

Announcement::Announcement(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(name);
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Announcement::announce(const QString &text)
{
    setAccessibleDescription(text);
    hide();
    show();
}

void InstallAccessibleInterfaces()
{
    static const bool installed = (QAccessible::installFactory(AccessibleInterface), true);
    Q_UNUSED(installed);
}

} // namespace tenvex
