#include "TimelineRange.h"

#include "data/LocaleFormat.h"

#include <cstdlib>

namespace Timeline {

int displayUnitForInterval(int intervalIndex)
{
    switch (intervalIndex) {
    case 0:
        return 60;
    case 1:
        return 30;
    default:
        return 15;
    }
}

SlotRange visibleRange(const QDateTime& S, const QDateTime& E, int unitMinutes)
{
    const int u = 60 / qMax(1, unitMinutes);
    SlotRange r;
    r.first = S.time().hour() * u;
    // trunc(H * u) with H the span in hours, in whole milliseconds so that
    // no binary fraction of an hour rounds a slot away.
    const qint64 spanMs = std::llabs(S.msecsTo(E));
    r.last = r.first + int(spanMs * u / (3600 * 1000)) + u;
    return r;
}

QColor colorFromStored(qint64 stored)
{
    return QColor(int(stored & 0xFF), int((stored >> 8) & 0xFF), int((stored >> 16) & 0xFF));
}

double brightness(const QColor& c)
{
    return 0.212671 * c.red() + 0.71516 * c.green() + 0.072169 * c.blue();
}

bool needsWhiteCaption(const QColor& c)
{
    return brightness(c) <= 128;
}

QString shiftCaption(QTime start, QTime end, const QString& first, const QString& last,
                     const QString& positionName, Decimal4 totalHours)
{
    return LocaleFormat::longTime(start) + u'-' + LocaleFormat::longTime(end) + u' ' + first + u' ' + last
        + QStringLiteral(" (") + positionName + QStringLiteral(") Hours: ") + totalHours.format2();
}

} // namespace Timeline
