#include "TimelineRange.h"

#include "data/LocaleFormat.h"
#include "data/SqlText.h"

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

ShiftCaptioner::ShiftCaptioner() : m_longTime(LocaleFormat::longTimeFormat())
{
}

QString ShiftCaptioner::longTime(QTime t) const
{
    // As LocaleFormat::longTime: plain blanks where the locale has no-break ones.
    QString s = m_locale.toString(t, m_longTime);
    s.replace(QChar(0x202F), u' ');
    s.replace(QChar(0x00A0), u' ');
    return s;
}

QString ShiftCaptioner::operator()(QTime start, QTime end, const QString& first, const QString& last,
                                   const QString& positionName, Decimal4 totalHours) const
{
    return longTime(start) + u'-' + longTime(end) + u' ' + first + u' ' + last + QStringLiteral(" (") + positionName
        + QStringLiteral(") Hours: ") + totalHours.format2();
}

QString sqlDay(QDate day)
{
    return SqlText::quotedDate(day.isValid() ? day : QDate(1899, 12, 30));
}

} // namespace Timeline
