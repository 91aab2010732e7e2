#include "ReportIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace ReportIcons {

namespace {

// Drawn on a 20 by 20 grid and scaled to each size asked for.
QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (int size : {16, 20, 32, 40}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 20.0, size / 20.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPainterPath arrow(bool right)
{
    QPainterPath path;
    const QPolygonF shape{{2, 10}, {10, 3}, {10, 7}, {18, 7}, {18, 13}, {10, 13}, {10, 17}};
    QPolygonF pts = shape;
    if (right)
        for (QPointF& pt : pts)
            pt.setX(20 - pt.x());
    path.addPolygon(pts);
    path.closeSubpath();
    return path;
}

void drawArrow(QPainter& p, bool right)
{
    p.setPen(QPen(QColor(120, 0, 0), 1));
    QLinearGradient g(0, 3, 0, 17);
    g.setColorAt(0, QColor(255, 90, 80));
    g.setColorAt(1, QColor(190, 0, 0));
    p.setBrush(g);
    p.drawPath(arrow(right));
}

} // namespace

QIcon closeFolder()
{
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(140, 100, 20), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawPolygon(QPolygonF{{1.5, 5}, {7, 5}, {8.5, 6.5}, {17.5, 6.5}, {17.5, 17.5}, {1.5, 17.5}});
        p.setBrush(QColor(250, 220, 120));
        p.drawRect(QRectF(1.5, 9, 16, 8.5));
        // the way back out
        QPainterPath back;
        back.moveTo(17, 2.5);
        back.cubicTo(17, 9, 12, 11, 7.5, 11);
        p.setPen(QPen(QColor(0, 120, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(back);
        p.setPen(QPen(QColor(0, 100, 0), 1));
        p.setBrush(QColor(40, 170, 40));
        p.drawPolygon(QPolygonF{{3.5, 11}, {8.5, 6.5}, {8.5, 15.5}});
    });
}

QIcon arrowLeft()
{
    return drawn([](QPainter& p) { drawArrow(p, false); });
}

QIcon arrowRight()
{
    return drawn([](QPainter& p) { drawArrow(p, true); });
}

QIcon printer()
{
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 1.5, 9, 7)); // paper in
        p.setBrush(QColor(170, 170, 180));
        p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7.5), 1.5, 1.5);
        p.setBrush(QColor(120, 120, 130));
        p.drawRect(QRectF(3.5, 13, 13, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 14, 9, 4.5)); // paper out
        p.setPen(QPen(QColor(150, 150, 150), 0.8));
        p.drawLine(QPointF(7, 16), QPointF(13, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 200, 60));
        p.drawEllipse(QPointF(15.5, 10), 1, 1);
    });
}

QIcon saveToFile()
{
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(20, 40, 110), 1));
        p.setBrush(QColor(60, 100, 190));
        p.drawPolygon(QPolygonF{{2.5, 2.5}, {15.5, 2.5}, {17.5, 4.5}, {17.5, 17.5}, {2.5, 17.5}});
        p.setBrush(QColor(220, 225, 235));
        p.drawRect(QRectF(5.5, 2.5, 8, 5.5)); // shutter
        p.setBrush(QColor(60, 100, 190));
        p.drawRect(QRectF(10.5, 3.5, 2, 3.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 11, 7)); // label
        p.setPen(QPen(QColor(160, 160, 160), 0.8));
        p.drawLine(QPointF(6, 13), QPointF(14, 13));
        p.drawLine(QPointF(6, 15.5), QPointF(14, 15.5));
    });
}

QIcon previewWindow()
{
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 12, 16));
        p.setPen(QPen(QColor(0, 0, 128), 1));
        for (double y : {5.0, 8.0, 11.0})
            p.drawLine(QPointF(4.5, y), QPointF(12.5, y));
        p.setPen(QPen(QColor(60, 60, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(18, 18));
        p.setPen(QPen(QColor(60, 60, 60), 1.4));
        p.setBrush(QColor(200, 225, 255, 200));
        p.drawEllipse(QPointF(11.5, 11.5), 4, 4);
    });
}

} // namespace ReportIcons
