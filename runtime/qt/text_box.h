// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QLineEdit>

#include <optional>
#include <string>
#include <string_view>

namespace tenvex {

class Form;

// A text box that holds at most TextLengthLimit characters. Typing stops at the limit, as the
// toolkit stops it; a paste, a middle-click paste or a drop that would go beyond it is refused
// whole and reported as an error of the box, which keeps its text. The toolkit's own editing
// would otherwise take a text of any length, at a cost that grows faster than the text. What is
// pasted or dropped keeps every line, as InsertedLine says.
class TextBox final : public QLineEdit
{
    Q_OBJECT

public:
    TextBox(Form &form, std::u16string_view name, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) noexcept override;
    void mouseReleaseEvent(QMouseEvent *event) noexcept override;
    void dropEvent(QDropEvent *event) noexcept override;
    void contextMenuEvent(QContextMenuEvent *event) noexcept override;

private:
    // What `text` puts in, in place of the selection where it replaces it (InsertedLine);
    // nothing, the user told why, where the box could not hold it all.
    [[nodiscard]] std::optional<QString> insertable(const QString &text,
                                                    bool replacesSelection = true);
    void pasteChecked(QClipboard::Mode mode);

    Form &m_form;
    std::u16string m_name;
};

} // namespace tenvex
