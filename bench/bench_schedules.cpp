// Copying a schedule of 2,000 shifts to a new start date, in one transaction.

#include "BenchRegistry.h"

#include "dialogs/Schedules.h"
#include "support/TestDatabase.h"

#include <cstdio>

QUENDAL_BENCH("schedules: copy 2000 shifts")
{
    TestDatabase db(TestDatabase::Demo);
    // 2,000 shifts over the demo week: the demo's own, repeated
    const qint64 demo = db.count(QStringLiteral("SCHEDULE WHERE SCHEDULER_ID = 1"));
    for (qint64 n = demo; n < 2000;) {
        const qint64 take = std::min<qint64>(demo, 2000 - n);
        db.exec(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, POSITIONID, SCHEDULESTART, SCHEDULEEND, "
                               "SCHEDULEDATE, SCHEDULECLOSE, RATE, TOTALHOURS) SELECT FIRST %1 SCHEDULER_ID, SERVERID, "
                               "POSITIONID, SCHEDULESTART, SCHEDULEEND, SCHEDULEDATE, SCHEDULECLOSE, RATE, TOTALHOURS "
                               "FROM SCHEDULE WHERE SCHEDULER_ID = 1 ORDER BY SCHEDULEID").arg(take));
        n += take;
    }
    const qint64 shifts = db.count(QStringLiteral("SCHEDULE WHERE SCHEDULER_ID = 1"));
    QDate start = db.scalar(QStringLiteral("SELECT SCHEDULER_START FROM SCHEDULER WHERE SCHEDULER_ID = 1")).asDate();
    int copies = 0;
    const double ms = Bench::bestMs(5, [&] {
        start = start.addDays(7);
        if (Schedules::copyFromTemplate(1, QStringLiteral("Copy"), start) > 0)
            ++copies;
    });
    std::printf("copy of %lld shifts: %.1f ms (best of 5; %d copies, %lld shifts written)\n", shifts, ms, copies,
                db.count(QStringLiteral("SCHEDULE WHERE SCHEDULER_ID > 1")));
}
