#pragma once

// The schedule report over rows given by hand instead of its query, for
// tests that need no database.

#include "data/FbConnection.h"
#include "report/UrptScheduleMain.h"

#include <QDateTime>
#include <QStringList>
#include <vector>

inline FbValue at(QDate d, int h, int m = 0)
{
    return FbValue(QDateTime(d, QTime(h, m), Qt::UTC));
}

inline const QStringList kFields{QStringLiteral("SCHEDULER_ID"), QStringLiteral("SCHEDULER_START"),
                          QStringLiteral("SCHEDULER_END"), QStringLiteral("SCHEDULEDATE"),
                          QStringLiteral("SERVERFIRST"), QStringLiteral("SERVERLAST"),
                          QStringLiteral("POSITIONNAME"), QStringLiteral("SCHEDULECLOSE"),
                          QStringLiteral("SCHEDULESTART"), QStringLiteral("SCHEDULEEND"),
                          QStringLiteral("TOTALHOURS")};

struct Shift {
    QDate day;
    QString first, last, position;
    FbValue close;
    int startHour, endHour;
    qint64 hoursRaw;
};

inline std::vector<FbValue> rowOf(const Shift& s)
{
    const QDate end = s.endHour < s.startHour ? s.day.addDays(1) : s.day;
    return {FbValue(1), FbValue(QDate(2026, 12, 14)), FbValue(QDate(2026, 12, 20)), FbValue(s.day),
            FbValue(s.first), FbValue(s.last), FbValue(s.position), s.close,
            at(s.day, s.startHour), at(end, s.endHour), FbValue(Decimal4::fromRaw(s.hoursRaw))};
}

// The container over rows given here instead of its query.
struct HandReport {
    FbConnection none;
    TrptScheduleMain r{none};
    explicit HandReport(const std::vector<Shift>& shifts)
    {
        r.rpt.openData = [shifts](ReportData& d) {
            d.setFields(kFields);
            for (const auto& s : shifts)
                d.addRow(rowOf(s));
        };
        r.rpt.generate();
    }
    // The texts of a page as "element=text", in print order.
    QStringList texts(int page, bool withEmpty = false)
    {
        QStringList out;
        for (const auto& it : r.rpt.pageItems(page))
            if (withEmpty || !it.text.isEmpty())
                out << it.element->name + u'=' + it.text;
        return out;
    }
};


// n days from 14 December 2026 with the given number of shifts each.
inline std::vector<Shift> shiftsOver(const std::vector<int>& perDay)
{
    std::vector<Shift> out;
    for (size_t d = 0; d < perDay.size(); ++d)
        for (int s = 0; s < perDay[d]; ++s)
            out.push_back({QDate(2026, 12, 14).addDays(qint64(d)), QStringLiteral("Emp%1").arg(s), QStringLiteral("Last"),
                           QStringLiteral("Cook"), FbValue(s % 2), 6 + s % 12, 14 + s % 8, 80000});
    return out;
}
