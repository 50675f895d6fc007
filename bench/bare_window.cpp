// SPDX-License-Identifier: MIT
// The baseline of the start-up benchmark: a bare Qt program that shows the same eight widgets,
// with the same geometry, texts and fonts, and nothing of ours.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Tenvex"));
    window.resize(324, 235);
    window.setStyleSheet(QStringLiteral(
        "QWidget { font-family: \"MS Sans Serif\"; font-weight: bold; font-size: 9.75pt; }"
        "#title, #button { font-size: 13.5pt; }"));

    auto *title = new QLabel(QStringLiteral("Orvid Tenvex"), &window);
    title->setObjectName(QStringLiteral("title"));
    title->setGeometry(56, 8, 217, 33);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *from = new QGroupBox(QStringLiteral("From"), &window);
    from->setGeometry(8, 48, 153, 121);
    auto *to = new QGroupBox(QStringLiteral("To"), &window);
    to->setGeometry(168, 48, 145, 121);
    auto *input = new QLineEdit(QStringLiteral("1"), from);
    input->setGeometry(16, 32, 105, 25);
    auto *result = new QLabel(QStringLiteral("1"), to);
    result->setGeometry(8, 32, 105, 25);
    result->setFrameShape(QFrame::Box);
    const QStringList entries{"Tera (T)",  "Giga (G)",  "Mega (M)",  "Kilo (K)", "Unit",
                              "centi (c)", "milli (m)", "micro (u)", "nano (n)", "pico (p)"};
    for (auto [parent, x] : {std::pair{from, 16}, std::pair{to, 8}}) {
        auto *box = new QComboBox(parent);
        box->setEditable(true);
        box->addItems(entries);
        box->setCurrentIndex(4);
        box->setGeometry(x, 72, 105, 24);
    }
    auto *button = new QPushButton(QStringLiteral("Convert"), &window);
    button->setObjectName(QStringLiteral("button"));
    button->setGeometry(96, 184, 137, 33);

    window.show();
    return QApplication::exec();
}
