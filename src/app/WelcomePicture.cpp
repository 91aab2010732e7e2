#include "WelcomePicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

void TWelcomePicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();

    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.0, QColor(0x07, 0x3C, 0x94));
    sky.setColorAt(0.55, QColor(0x56, 0x84, 0xD5));
    sky.setColorAt(1.0, QColor(0xFD, 0xFC, 0xD0));
    p.fillRect(r, sky);

    // A clock face: the day the schedule is about.
    const QPointF centre(r.width() * 0.78, r.height() * 0.22);
    const qreal radius = r.width() * 0.12;
    p.setPen(QPen(QColor(255, 255, 255, 220), 3));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(centre, radius, radius);
    for (int h = 0; h < 12; ++h) {
        p.save();
        p.translate(centre);
        p.rotate(h * 30.0);
        p.drawLine(QPointF(0, -radius * 0.82), QPointF(0, -radius * 0.95));
        p.restore();
    }
    p.drawLine(centre, centre + QPointF(0, -radius * 0.6));
    p.drawLine(centre, centre + QPointF(radius * 0.45, radius * 0.2));

    // The timeline: an axis and a handful of shift bars in position colours.
    const qreal left = r.width() * 0.08, right = r.width() * 0.92;
    const qreal top = r.height() * 0.46;
    const qreal rowH = r.height() * 0.055;
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    for (int k = 0; k <= 12; ++k) {
        const qreal x = left + (right - left) * k / 12.0;
        p.drawLine(QPointF(x, top - 8), QPointF(x, top + rowH * 5.6));
    }
    struct Bar { qreal from, to; QColor c; };
    const Bar bars[] = {
        {0.05, 0.45, QColor(0xFF, 0xFF, 0x99)}, {0.20, 0.62, QColor(0x33, 0x66, 0xFF)},
        {0.35, 0.80, QColor(0x33, 0xCC, 0xCC)}, {0.10, 0.38, QColor(0xFF, 0x99, 0x00)},
        {0.55, 0.97, QColor(0x00, 0x00, 0x80)},
    };
    int row = 0;
    for (const Bar& b : bars) {
        const QRectF bar(left + (right - left) * b.from, top + row * rowH * 1.1,
                         (right - left) * (b.to - b.from), rowH * 0.8);
        QLinearGradient g(bar.topLeft(), bar.bottomLeft());
        g.setColorAt(0, b.c);
        g.setColorAt(1, QColor(0x7C, 0xA4, 0xE4));
        p.setPen(QPen(b.c.darker(140), 1));
        p.setBrush(g);
        p.drawRoundedRect(bar, 5, 5);
        ++row;
    }

    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(int(r.height() * 0.085));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(left, r.height() * 0.07, r.width() * 0.6, r.height() * 0.12),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quendal"));
    QFont sub = title;
    sub.setBold(false);
    sub.setPixelSize(int(r.height() * 0.05));
    p.setFont(sub);
    p.drawText(QRectF(left, r.height() * 0.19, r.width() * 0.6, r.height() * 0.08),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Employee Scheduling"));
}
