#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// The times a shift is written with. A shift starts on the day it belongs
// to and ends on that day or, when its end time of day comes earlier than
// its start, on the next.
namespace ShiftTimes {

struct Span {
    QDateTime start; // wall clock, Qt::UTC
    QDateTime end;
};

// Only hour and minute decide whether the end moves to the next day: equal
// times (a zero-length shift) and ends a few seconds before the start stay
// on endDay.
Span span(QDate startDay, QTime startTime, QDate endDay, QTime endTime);
inline Span span(QDate day, QTime startTime, QTime endTime) { return span(day, startTime, day, endTime); }

// A bar's new place on the timeline of day: only the times of day count,
// so the result is always shorter than a day.
inline Span fromItem(QDate day, const QDateTime& itemStart, const QDateTime& itemEnd)
{
    return span(day, itemStart.time(), itemEnd.time());
}

// The shift's length in hours, whatever the order of the ends, as a plain
// decimal in general form: "8.5", "8", "0", "0.333333333333333".
QString hoursText(const Span& s);

} // namespace ShiftTimes
