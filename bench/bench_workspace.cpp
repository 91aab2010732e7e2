// The workspace's load of a busy day: the shift query alone against the
// whole load (query, items, one paint, statistics), and the statistics alone.
//   build/bin/quendal-bench workspace

#include "BenchRegistry.h"
#include "support/TestDatabase.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/Planner.h"
#include "workspace/UfrmSchedule.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>

QUENDAL_BENCH("workspace")
{
    constexpr int Shifts = 300;
    constexpr int Runs = 25;
    TestDatabase db;
    const QDate day(2026, 3, 9);
    for (int p = 1; p <= 5; ++p)
        db.exec(QStringLiteral("INSERT INTO POSITIONS (POSITIONID, POSITIONNAME, POSITION_COLOR) VALUES (%1, 'Position %1', %2)")
                    .arg(p).arg(p * 0x203040));
    for (int s = 1; s <= 60; ++s)
        db.exec(QStringLiteral("INSERT INTO SERVERS (SERVERID, SERVERFIRST, SERVERLAST, ISACTIVE, SERVERNUMBER) "
                               "VALUES (%1, 'First%1', 'Last%1', 1, %1)").arg(s));
    db.exec(QStringLiteral("INSERT INTO SCHEDULER (SCHEDULER_ID, SCHEDULER_NAME, SCHEDULER_START, SCHEDULER_END) "
                           "VALUES (1, 'Busy', '03/09/2026', '03/15/2026')"));
    {
        TdmMain::TransactionScope scope(*dmMain);
        for (int i = 0; i < Shifts; ++i) {
            const int startHour = i % 16;
            dmMain->ExecuteSQL(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, POSITIONID, SCHEDULESTART, SCHEDULEEND, "
                                              "SCHEDULEDATE, SCHEDULECLOSE, RATE, TOTALHOURS) VALUES (1, %1, %2, "
                                              "'03/09/2026 %3:00:00', '03/09/2026 %4:30:00', '03/09/2026', 0, 12.5, 8.5)")
                                   .arg(i % 60 + 1).arg(i % 5 + 1).arg(startHour, 2, 10, QLatin1Char('0'))
                                   .arg(startHour + 8, 2, 10, QLatin1Char('0')));
        }
        scope.commit();
    }

    RecordingMessages messages;
    auto w = std::make_unique<TfrmSchedule>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->resize(936, 524);
    w->show();
    w->ccboSchedules->setCurrentIndex(0);
    w->ccboSchedulesChange();
    QCoreApplication::processEvents();
    if (w->Planner->items().size() != size_t(Shifts)) {
        std::printf("expected %d items, got %zu\n", Shifts, w->Planner->items().size());
        return;
    }

    const QString sql = TfrmSchedule::ShiftQuerySql(w->CurrentScheduleID, w->SelectedFilterDate(), 0);
    const double query = Bench::bestMs(Runs, [&] {
        TdmMain::Query q;
        dmMain->OpenQuery(sql, q);
        int rows = 0;
        for (; !q->eof(); q->next())
            ++rows;
        dmMain->CloseQuery(q);
        if (rows != Shifts)
            std::printf("query gave %d rows\n", rows);
    });
    const double load = Bench::bestMs(Runs, [&] {
        w->LoadScheduleGrid();
        w->Planner->repaint();
    });
    const double stats = Bench::bestMs(Runs, [&] { w->FillStatsGrid(); });
    const double paint = Bench::bestMs(Runs, [&] { w->Planner->repaint(); });

    std::printf("%d shifts on one day, best of %d runs\n", Shifts, Runs);
    std::printf("  %-44s %8.2f ms\n", "shift query alone (open, fetch, close)", query);
    std::printf("  %-44s %8.2f ms  %5.2fx query\n", "LoadScheduleGrid + repaint (with statistics)", load, load / query);
    std::printf("  %-44s %8.2f ms  %5.2fx query\n", "  of which FillStatsGrid", stats, stats / query);
    std::printf("  %-44s %8.2f ms  %5.2fx query\n", "  of which one repaint of the timeline", paint, paint / query);
    std::printf("  %-44s %8.2f ms  %5.2fx query\n", "load without statistics", load - stats, (load - stats) / query);
}
