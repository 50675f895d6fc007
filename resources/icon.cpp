// SPDX-License-Identifier: MIT
#include "icon.h"

#include <QColor>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QRectF>

#include <algorithm>
#include <vector>

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

namespace {

// The icon drawn at a size when it is asked for, and not kept: a window's icon is asked for once,
// to be sent to the window system, and holding every size would hold it twice.
class DrawnIconEngine final : public QIconEngine
{
public:
    explicit DrawnIconEngine(std::span<const int> sizes)
        : m_sizes(sizes.begin(), sizes.end())
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        painter->drawImage(rect, DrawIcon(std::min(rect.width(), rect.height())));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(DrawIcon(std::min(size.width(), size.height())));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : m_sizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine *clone() const override { return new DrawnIconEngine(m_sizes); }

private:
    std::vector<int> m_sizes;
};

} // namespace

QIcon ProgramIcon(std::span<const int> sizes)
{
    return QIcon(new DrawnIconEngine(sizes));
}

} // namespace tenvex
