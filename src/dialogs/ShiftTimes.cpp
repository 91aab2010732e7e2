#include "ShiftTimes.h"

#include "data/LocaleFormat.h"

#include <cstdlib>

namespace ShiftTimes {

namespace {

int minuteOfDay(QTime t)
{
    return t.hour() * 60 + t.minute();
}

// The texts written hold whole seconds; the hours must agree with them.
QTime wholeSeconds(QTime t)
{
    return QTime(t.hour(), t.minute(), t.second());
}

} // namespace

Span span(QDate startDay, QTime startTime, QDate endDay, QTime endTime)
{
    const QTime s = wholeSeconds(startTime);
    const QTime e = wholeSeconds(endTime);
    const QDate lastDay = minuteOfDay(s) > minuteOfDay(e) ? endDay.addDays(1) : endDay;
    return {LocaleFormat::wallClock(startDay, s), LocaleFormat::wallClock(lastDay, e)};
}

QString hoursText(const Span& s)
{
    const qint64 seconds = std::llabs(s.start.secsTo(s.end));
    // 15 significant digits, no exponent for anything from one second up.
    return QString::number(double(seconds) / 3600.0, 'g', 15);
}

} // namespace ShiftTimes
