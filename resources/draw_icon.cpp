// Draws the program's icon as a PNG file of any size, from one design on a 32-unit grid: a yellow
// square with a darker olive edge along its top and left sides, a blue arrow pointing down in the
// left half and a blue arrow pointing up in the right half. Every pixel is opaque. At 32 pixels
// the units are pixels and the edges are drawn crisp.
//
//   tenvex_draw_icon SIZE FILE.png
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int DesignSize = 32;
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Olive(0x80, 0x80, 0x00);
const QColor Blue(0x00, 0x00, 0xFF);

void DrawArrow(QPainter &painter, const QRectF &shaft, const QPolygonF &head)
{
    painter.drawRect(shaft);
    painter.drawPolygon(head);
}

QImage DrawIcon(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Yellow);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, size != DesignSize);
    painter.scale(static_cast<qreal>(size) / DesignSize, static_cast<qreal>(size) / DesignSize);
    painter.setPen(Qt::NoPen);

    painter.setBrush(Olive);
    painter.drawRect(QRectF(0, 0, DesignSize, 2));
    painter.drawRect(QRectF(0, 0, 2, DesignSize));

    painter.setBrush(Blue);
    DrawArrow(painter, QRectF(7, 6, 4, 12), QPolygonF({{3, 18}, {15, 18}, {9, 27}}));
    DrawArrow(painter, QRectF(21, 14, 4, 12), QPolygonF({{17, 14}, {29, 14}, {23, 5}}));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size < DesignSize) {
        std::fprintf(stderr, "usage: tenvex_draw_icon SIZE FILE.png (SIZE at least 32)\n");
        return 2;
    }
    return DrawIcon(size).save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
