#pragma once

#include <QDate>
#include <QDateTime>
#include <QPointF>
#include <QRectF>
#include <QString>

// The timeline's arithmetic, kept apart from the widget so that it can be
// tested on its own: time <-> pixel mapping, item bars, the hit test and the
// drag steps. Times are wall clock (QDateTime in Qt::UTC); x is measured from
// the left of the slot area, y from the top of the first row.
namespace PlannerGeometry {

inline constexpr int SlotWidth = 24;   // pixels per slot
inline constexpr double MinBarWidth = 4; // an item of no length still shows and can be grabbed
inline constexpr double BarMargin = 3;   // between a bar and its row's lines

// The slots shown: slot k covers the minutes k * unit up to (k + 1) * unit
// after midnight of the day; firstSlot through lastSlot are shown.
struct TimeScale {
    QDate day;
    int unit = 60;
    int firstSlot = 0;
    int lastSlot = 23;

    int slotCount() const { return lastSlot >= firstSlot ? lastSlot - firstSlot + 1 : 1; }
    double width() const { return double(slotCount()) * SlotWidth; }
    // The visible part of the time axis, in minutes after midnight of the day.
    double startMinutes() const { return double(firstSlot) * unit; }
    double endMinutes() const { return double(firstSlot + slotCount()) * unit; }
};

// Minutes from midnight of the day to t: negative before the day, 1440 and
// more on the days after it.
double minutesFromMidnight(QDate day, const QDateTime& t);
double minutesToX(const TimeScale& scale, double minutes);
double xToMinutes(const TimeScale& scale, double x);
inline double timeToX(const TimeScale& scale, const QDateTime& t)
{
    return minutesToX(scale, minutesFromMidnight(scale.day, t));
}

// Where an item lies against the visible range.
enum class Visibility { Inside, Before, After };

struct ItemBar {
    QRectF rect; // clipped to the visible range; empty unless Inside
    bool clippedLeft = false;  // the item goes on before the first slot shown
    bool clippedRight = false; // ... or after the last one
    Visibility visibility = Visibility::Inside;

    bool visible() const { return visibility == Visibility::Inside; }
};

// The bar of an item in a row of rowHeight pixels. An end on the next day
// reaches into the slots past midnight; an end before the start counts as
// the start.
ItemBar itemBar(const TimeScale& scale, const QDateTime& start, const QDateTime& end, int row, int rowHeight);

// What a press at p on the bar would do. The edge zones are 5 pixels wide and
// shrink on narrow bars so that a short item can still be moved; an edge cut
// off by the visible range is no edge to stretch.
enum class Hit { None, Move, ExtendLeft, ExtendRight };
double edgeZone(double barWidth);
Hit hitTest(const ItemBar& bar, const QPointF& p);

// The nearest multiple of step (halves away from zero).
qint64 snap(qint64 value, qint64 step);

// How far a drag of dx pixels from the press point moves the item's start and
// end, in seconds. Moves go in whole units; a stretch never passes the other
// edge (one unit at least stays, or the length a shorter item had), and no
// drag takes an item further out of the visible range than it already was.
struct DragDelta {
    qint64 start = 0;
    qint64 end = 0;
};
DragDelta dragDelta(const TimeScale& scale, Hit hit, const QDateTime& start, const QDateTime& end, double dx);

// Axis labels in 12-hour form: "12 AM", "9 AM", "12 PM", "5 PM"; hours past
// midnight of the next day wrap.
QString hourLabel(int minutesFromMidnight);
QString hourNumber(int minutesFromMidnight); // "9"
QString amPm(int minutesFromMidnight);       // "AM"
// "9:30 AM", for the drag read-out.
QString timeLabel(int minutesFromMidnight);

} // namespace PlannerGeometry
