// SPDX-License-Identifier: MIT
// The baseline of the start-up benchmark: a bare Qt program that shows the same eight widgets,
// with the same geometry, texts and fonts, set as the program sets them (setFont, before a list
// is filled), in the face the program draws with, and nothing of ours.
#include <QApplication>
#include <QComboBox>
#include <QFont>
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
    const auto font = [](qreal points) {
        QFont face(QStringLiteral("Liberation Sans"));
        face.setBold(true);
        face.setPointSizeF(points);
        return face;
    };
    const QFont title = font(13.5);
    const QFont body = font(9.75);

    auto *heading = new QLabel(&window);
    heading->setFont(title);
    heading->setText(QStringLiteral("Orvid Tenvex"));
    heading->setGeometry(56, 8, 217, 33);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *from = new QGroupBox(&window);
    from->setFont(body);
    from->setTitle(QStringLiteral("From"));
    from->setGeometry(8, 48, 153, 121);
    auto *to = new QGroupBox(&window);
    to->setFont(body);
    to->setTitle(QStringLiteral("To"));
    to->setGeometry(168, 48, 145, 121);
    auto *input = new QLineEdit(from);
    input->setFont(body);
    input->setText(QStringLiteral("1"));
    input->setGeometry(16, 32, 105, 25);
    auto *result = new QLabel(to);
    result->setFont(body);
    result->setText(QStringLiteral("1"));
    result->setGeometry(8, 32, 105, 25);
    result->setFrameShape(QFrame::Box);
    const QStringList entries{"Tera (T)",  "Giga (G)",  "Mega (M)",  "Kilo (K)", "Unit",
                              "centi (c)", "milli (m)", "micro (u)", "nano (n)", "pico (p)"};
    for (auto [parent, x] : {std::pair{from, 16}, std::pair{to, 8}}) {
        auto *box = new QComboBox(parent);
        box->setFont(body);
        box->setEditable(true);
        box->addItems(entries);
        box->setCurrentIndex(4);
        box->setGeometry(x, 72, 105, 24);
    }
    auto *button = new QPushButton(&window);
    button->setFont(title);
    button->setText(QStringLiteral("Convert"));
    button->setGeometry(96, 184, 137, 33);

    window.show();
    return QApplication::exec();
}
