#pragma once

#include "data/Decimal4.h"

#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>
#include <QtGlobal>

// The arithmetic of loading a day onto the timeline, apart from any window.
namespace Timeline {

// Minutes per slot for an entry of the interval list: 0 "1 Hour", 1 "30 Mins",
// anything else "15 Mins".
int displayUnitForInterval(int intervalIndex);

// The slots shown for a range from S to E at unitMinutes per slot: the first
// slot is the whole hour of S; the last reaches one hour past the span.
struct SlotRange {
    int first = 0;
    int last = 0;
    bool operator==(const SlotRange&) const = default;
};
SlotRange visibleRange(const QDateTime& S, const QDateTime& E, int unitMinutes);

// A colour as the shop database stores it: red in the low byte, then green,
// then blue.
QColor colorFromStored(qint64 stored);
double brightness(const QColor& c);
// Whether a caption on this colour needs white text (dark colours).
bool needsWhiteCaption(const QColor& c);

// The text on a shift's bar: "9:00:00 AM-5:00:00 PM Ann Lee (Host) Hours: 8.00".
// Made once per load: the system's long time format is looked up once, not
// twice for every shift.
class ShiftCaptioner {
public:
    ShiftCaptioner();
    QString operator()(QTime start, QTime end, const QString& first, const QString& last,
                       const QString& positionName, Decimal4 totalHours) const;

private:
    QString longTime(QTime t) const;

    QLocale m_locale;
    QString m_longTime;
};

// The chosen day as a quoted SQL date; with no day chosen the zero date
// (30 December 1899), on which there are no shifts.
QString sqlDay(QDate day);

} // namespace Timeline
