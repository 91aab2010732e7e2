#include "UfrmSchedule.h"

#include "ScopedQuery.h"
#include "TimelineRange.h"
#include "data/Decimal4.h"
#include "data/LocaleFormat.h"
#include "data/SqlText.h"
#include "widgets/StringGrid.h"

namespace {

const int StatsColumnWidths[7] = {125, 75, 75, 75, 75, 75, 75};

// A cell's figure; an empty cell counts as zero.
Decimal4 cellValue(const QString& text)
{
    return Decimal4::parse(text).value_or(Decimal4());
}

} // namespace

void TfrmSchedule::setStatsColumns()
{
    StatsGrid->setColCount(7);
    for (int c = 0; c < 7; ++c)
        StatsGrid->setColWidth(c, StatsColumnWidths[c]);
}

void TfrmSchedule::FillStatsGrid()
{
    const QDate day = SelectedFilterDate();
    setStatsColumns();
    StatsGrid->setRowCount(0);
    StatsGrid->setRowCount(2);
    const QString headers[7] = {QStringLiteral("Date: ") + LocaleFormat::shortDate(day), QStringLiteral("Hrs/Day"),
                                QStringLiteral("Cost/Day"), QStringLiteral("Hrs/Sched"), QStringLiteral("Cost/Sched"),
                                QString(), QString()};
    for (int c = 0; c < 7; ++c)
        StatsGrid->setCell(c, 0, headers[c]);

    ScopedQuery perDay(QStringLiteral("SELECT SCHEDULE.POSITIONID, POSITIONS.POSITIONNAME, Sum(SCHEDULE.RATE * SCHEDULE.TOTALHOURS) AS Cost, "
                                      "Sum(SCHEDULE.TOTALHOURS) AS TOTALHOURS FROM POSITIONS INNER JOIN SCHEDULE ON "
                                      "POSITIONS.POSITIONID = SCHEDULE.POSITIONID WHERE Schedule.ScheduleDate = ")
                       + Timeline::sqlDay(day) + QStringLiteral(" ")
                       + QStringLiteral("GROUP BY SCHEDULE.POSITIONID, POSITIONS.POSITIONNAME  ")
                       + QStringLiteral("ORDER BY POSITIONS.POSITIONNAME;"));
    ScopedQuery perSchedule{QString()};

    for (; !perDay->eof(); perDay->next()) {
        const int row = StatsGrid->rowCount() - 1;
        StatsGrid->insertRow(row);
        StatsGrid->setCell(0, row, perDay->fieldByName(QStringLiteral("POSITIONNAME")).asString());
        StatsGrid->setCell(1, row, perDay->fieldByName(QStringLiteral("TOTALHOURS")).asMoney().format2());
        StatsGrid->setCell(2, row, perDay->fieldByName(QStringLiteral("Cost")).asMoney().format2());

        perSchedule->setSql(QStringLiteral("SELECT SUM(TotalHours) AS TotalHours, SUM(Rate * TotalHours) AS TotalCost FROM Schedule "
                                           "WHERE Scheduler_ID = ")
                            + SqlText::integer(CurrentScheduleID) + QStringLiteral(" AND PositionID = ")
                            + SqlText::integer(perDay->fieldByName(QStringLiteral("POSITIONID")).asInteger()));
        perSchedule->open();
        if (!perSchedule->fieldByName(QStringLiteral("TotalHours")).isNull()) {
            StatsGrid->setCell(3, row, perSchedule->fieldByName(QStringLiteral("TotalHours")).asMoney().format2());
            StatsGrid->setCell(4, row, perSchedule->fieldByName(QStringLiteral("TotalCost")).asMoney().format2());
        }
        perSchedule->close();
    }

    const int totals = StatsGrid->rowCount() - 1;
    for (int c = 1; c <= 4; ++c) {
        Decimal4 sum;
        for (int r = 1; r < totals; ++r)
            sum += cellValue(StatsGrid->cell(c, r));
        StatsGrid->setCell(c, totals, sum.format2());
    }
    perDay.close();
    perSchedule.close();
}

Qt::Alignment TfrmSchedule::StatsGridGetAlignment(int, int ACol) const
{
    return ACol >= 1 && ACol <= 4 ? Qt::AlignRight : Qt::AlignLeft;
}
