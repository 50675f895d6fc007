// SPDX-License-Identifier: MIT
#include "icon.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QRectF>

namespace tenvex {

namespace {

constexpr int DesignSize = 32;

void DrawArrow(QPainter &painter, const QRectF &shaft, const QPolygonF &head)
{
    painter.drawRect(shaft);
    painter.drawPolygon(head);
}

} // namespace

QImage DrawIcon(int size)
{
    const QColor yellow(0xFF, 0xFF, 0x00);
    const QColor olive(0x80, 0x80, 0x00);
    const QColor blue(0x00, 0x00, 0xFF);

    QImage image(size, size, QImage::Format_RGB32);
    image.fill(yellow);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, size != DesignSize);
    painter.scale(static_cast<qreal>(size) / DesignSize, static_cast<qreal>(size) / DesignSize);
    painter.setPen(Qt::NoPen);

    painter.setBrush(olive);
    painter.drawRect(QRectF(0, 0, DesignSize, 2));
    painter.drawRect(QRectF(0, 0, 2, DesignSize));

    painter.setBrush(blue);
    DrawArrow(painter, QRectF(7, 6, 4, 12), QPolygonF({{3, 18}, {15, 18}, {9, 27}}));
    DrawArrow(painter, QRectF(21, 14, 4, 12), QPolygonF({{17, 14}, {29, 14}, {23, 5}}));
    return image;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : IconSizes)
        icon.addPixmap(QPixmap::fromImage(DrawIcon(size)));
    return icon;
}

} // namespace tenvex
