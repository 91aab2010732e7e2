// The schedule report of a large schedule, from the query to a PDF file.

#include "BenchRegistry.h"
#include "data/SqlText.h"
#include "data/UdmMain.h"
#include "report/UrptScheduleMain.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

QUENDAL_BENCH("report: 3,000 shifts over 90 days to PDF")
{
    TestDatabase db;
    {
        TdmMain::TransactionScope scope(*dmMain);
        for (int i = 1; i <= 20; ++i) {
            dmMain->ExecuteSQL(QStringLiteral("INSERT INTO SERVERS (SERVERID, SERVERFIRST, SERVERLAST, ISACTIVE, "
                                              "SERVERNUMBER) VALUES (%1, 'First%1', 'Lastname%1', 1, %1)")
                                   .arg(i));
        }
        for (int i = 1; i <= 5; ++i)
            dmMain->ExecuteSQL(QStringLiteral("INSERT INTO POSITIONS (POSITIONID, POSITIONNAME, POSITION_COLOR) "
                                              "VALUES (%1, 'Position %1', 0)")
                                   .arg(i));
        const QDate start(2026, 1, 5);
        dmMain->ExecuteSQL(QStringLiteral("INSERT INTO SCHEDULER (SCHEDULER_ID, SCHEDULER_NAME, SCHEDULER_START, "
                                          "SCHEDULER_END) VALUES (1, 'Quarter', %1, %2)")
                               .arg(SqlText::quotedDate(start), SqlText::quotedDate(start.addDays(89))));
        for (int i = 0; i < 3000; ++i) {
            const QDate day = start.addDays(i % 90);
            const QDateTime s(day, QTime(6 + i % 14, (i % 4) * 15), Qt::UTC);
            const QDateTime e = s.addSecs(8 * 3600);
            dmMain->ExecuteSQL(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, POSITIONID, SCHEDULESTART, "
                                              "SCHEDULEEND, SCHEDULEDATE, SCHEDULECLOSE, RATE, TOTALHOURS) VALUES "
                                              "(1, %1, %2, %3, %4, %5, %6, 12.5, 8)")
                                   .arg(1 + i % 20)
                                   .arg(1 + i % 5)
                                   .arg(SqlText::quotedDateTime(s), SqlText::quotedDateTime(e), SqlText::quotedDate(day))
                                   .arg(i % 3 == 0 ? 1 : 0));
        }
        scope.commit();
    }
    TrptScheduleMain report(dmMain->FBDB);
    report.ScheduleID = 1;
    const QString pdf = QDir(db.folder()).filePath(QStringLiteral("quarter.pdf"));
    const double ms = Bench::bestMs(3, [&] {
        report.rpt.generate();
        report.rpt.exportPdf(pdf);
    });
    std::printf("%d rows, %d pages, %.0f KiB: %.0f ms (limit 2000 ms)\n", report.rpt.data().rowCount(),
                report.rpt.pageCount(), QFileInfo(pdf).size() / 1024.0, ms);
}
