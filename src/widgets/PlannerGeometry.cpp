#include "PlannerGeometry.h"

#include <QTime>
#include <algorithm>

namespace PlannerGeometry {

namespace {

qint64 secondsFromMidnight(QDate day, const QDateTime& t)
{
    const QDate base = day.isValid() ? day : t.date();
    return base.daysTo(t.date()) * 86400 + t.time().msecsSinceStartOfDay() / 1000;
}

// Rounds a bound of a drag towards zero onto whole steps, so that a clamped
// move still keeps the item's minutes.
qint64 towardZero(qint64 value, qint64 step)
{
    return value / step * step;
}

int hourOfDay(int minutes)
{
    const int hour = minutes >= 0 ? minutes / 60 : -((-minutes + 59) / 60);
    return ((hour % 24) + 24) % 24;
}

} // namespace

double minutesFromMidnight(QDate day, const QDateTime& t)
{
    return double(secondsFromMidnight(day, t)) / 60.0;
}

double minutesToX(const TimeScale& scale, double minutes)
{
    return (minutes / scale.unit - scale.firstSlot) * SlotWidth;
}

double xToMinutes(const TimeScale& scale, double x)
{
    return (x / SlotWidth + scale.firstSlot) * scale.unit;
}

ItemBar itemBar(const TimeScale& scale, const QDateTime& start, const QDateTime& end, int row, int rowHeight)
{
    ItemBar bar;
    const double s = minutesFromMidnight(scale.day, start);
    const double e = std::max(s, minutesFromMidnight(scale.day, end));
    const double visStart = scale.startMinutes();
    const double visEnd = scale.endMinutes();
    if (e < visStart || (e == visStart && s < e)) {
        bar.visibility = Visibility::Before;
        return bar;
    }
    if (s >= visEnd) {
        bar.visibility = Visibility::After;
        return bar;
    }
    bar.clippedLeft = s < visStart;
    bar.clippedRight = e > visEnd;
    double left = minutesToX(scale, std::max(s, visStart));
    double right = minutesToX(scale, std::min(e, visEnd));
    if (right - left < MinBarWidth) {
        right = std::min(left + MinBarWidth, scale.width());
        left = right - MinBarWidth;
    }
    const double top = double(row) * rowHeight + BarMargin;
    bar.rect = QRectF(QPointF(left, top), QPointF(right, top + rowHeight - 2 * BarMargin));
    return bar;
}

double edgeZone(double barWidth)
{
    return std::clamp(barWidth / 4.0, 1.0, 5.0);
}

Hit hitTest(const ItemBar& bar, const QPointF& p)
{
    if (!bar.visible() || !bar.rect.contains(p))
        return Hit::None;
    const double zone = edgeZone(bar.rect.width());
    if (!bar.clippedLeft && p.x() < bar.rect.left() + zone)
        return Hit::ExtendLeft;
    if (!bar.clippedRight && p.x() > bar.rect.right() - zone)
        return Hit::ExtendRight;
    return Hit::Move;
}

qint64 snap(qint64 value, qint64 step)
{
    if (step <= 0)
        return value;
    if (value < 0)
        return -snap(-value, step);
    return (2 * value + step) / (2 * step) * step;
}

DragDelta dragDelta(const TimeScale& scale, Hit hit, const QDateTime& start, const QDateTime& end, double dx)
{
    DragDelta delta;
    const qint64 unit = qint64(scale.unit) * 60;
    const qint64 s = secondsFromMidnight(scale.day, start);
    const qint64 e = std::max(s, secondsFromMidnight(scale.day, end));
    const qint64 visStart = qint64(scale.firstSlot) * unit;
    const qint64 visEnd = qint64(scale.firstSlot + scale.slotCount()) * unit;
    const qint64 d = snap(qint64(dx / SlotWidth * double(unit)), unit);
    // Never further out than it already was.
    const qint64 lowest = towardZero(std::min<qint64>(0, visStart - s), unit);
    const qint64 highest = towardZero(std::max<qint64>(0, visEnd - e), unit);
    // How far an edge may come towards the other one.
    const qint64 shrink = e - s > unit ? (e - s - unit) / unit * unit : 0;
    switch (hit) {
    case Hit::Move:
        delta.start = delta.end = std::clamp(d, lowest, highest);
        break;
    case Hit::ExtendLeft:
        delta.start = std::clamp(d, lowest, shrink);
        break;
    case Hit::ExtendRight:
        delta.end = std::clamp(d, -shrink, highest);
        break;
    case Hit::None:
        break;
    }
    return delta;
}

QString hourNumber(int minutesFromMidnight)
{
    const int hour = hourOfDay(minutesFromMidnight) % 12;
    return QString::number(hour == 0 ? 12 : hour);
}

QString amPm(int minutesFromMidnight)
{
    return hourOfDay(minutesFromMidnight) < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
}

QString hourLabel(int minutesFromMidnight)
{
    return hourNumber(minutesFromMidnight) + QLatin1Char(' ') + amPm(minutesFromMidnight);
}

QString timeLabel(int minutesFromMidnight)
{
    const int minute = ((minutesFromMidnight % 60) + 60) % 60;
    return hourNumber(minutesFromMidnight) + QLatin1Char(':') + QString::number(minute).rightJustified(2, QLatin1Char('0'))
        + QLatin1Char(' ') + amPm(minutesFromMidnight);
}

} // namespace PlannerGeometry
