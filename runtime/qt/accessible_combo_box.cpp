// SPDX-License-Identifier: MIT
#include "accessible_combo_box.h"

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

QAccessibleInterface *AccessibleInterface(const QString &, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    return box && box->isEditable() ? new AccessibleComboBox(box) : nullptr;
}

} // namespace

void InstallAccessibleComboBoxes()
{
    static const bool installed = (QAccessible::installFactory(AccessibleInterface), true);
    Q_UNUSED(installed);
}

} // namespace tenvex
