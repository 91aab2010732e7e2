#include "UfrmSchedule.h"

#include "ScopedQuery.h"
#include "TimelineRange.h"
#include "app/HourglassCursor.h"
#include "data/LocaleFormat.h"
#include "data/SqlText.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/DateEdit.h"
#include "widgets/Planner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QTimeEdit>

namespace {

// The columns every shift caption is made from, up to the WHERE clause.
const QString ShiftSelect = QStringLiteral(
    "SELECT SERVERS.SERVERFIRST, SERVERS.SERVERLAST, Schedule.TotalHours, Schedule.ScheduleID, SCHEDULE.SCHEDULESTART,  "
    "SCHEDULE.SCHEDULEEND, POSITIONS.PositionName, POSITIONS.POSITION_COLOR FROM POSITIONS INNER JOIN SCHEDULE ON "
    "(POSITIONS.POSITIONID = SCHEDULE.POSITIONID) INNER JOIN SERVERS ON (SCHEDULE.SERVERID = SERVERS.SERVERID) WHERE ");

// Where the columns of ShiftSelect lie, looked up once per result set.
struct ShiftColumns {
    explicit ShiftColumns(const FbQuery& q)
        : first(q.fieldIndex(QStringLiteral("SERVERFIRST"))), last(q.fieldIndex(QStringLiteral("SERVERLAST"))),
          hours(q.fieldIndex(QStringLiteral("TotalHours"))), id(q.fieldIndex(QStringLiteral("ScheduleID"))),
          start(q.fieldIndex(QStringLiteral("SCHEDULESTART"))), end(q.fieldIndex(QStringLiteral("SCHEDULEEND"))),
          position(q.fieldIndex(QStringLiteral("PositionName"))), colour(q.fieldIndex(QStringLiteral("POSITION_COLOR")))
    {
    }
    int first, last, hours, id, start, end, position, colour;
};

QString captionFromRow(const FbQuery& q, const ShiftColumns& c, const Timeline::ShiftCaptioner& caption)
{
    return caption(q.field(c.start).asDateTime().time(), q.field(c.end).asDateTime().time(), q.field(c.first).asString(),
                   q.field(c.last).asString(), q.field(c.position).asString(), q.field(c.hours).asMoney());
}

// Repainting of the timeline suspended while this lives.
class RepaintSuspended {
public:
    explicit RepaintSuspended(TPlanner* planner) : m_planner(planner) { m_planner->beginUpdate(); }
    ~RepaintSuspended() { m_planner->endUpdate(); }
    RepaintSuspended(const RepaintSuspended&) = delete;
    RepaintSuspended& operator=(const RepaintSuspended&) = delete;

private:
    TPlanner* m_planner;
};

// While items are made: the hourglass shown, repainting suspended. Members
// go in reverse order, so on every way out the result set is released
// first, then repainting resumes, then the cursor is restored.
struct LoadGuard {
    explicit LoadGuard(TPlanner* planner) : repaint(planner) {}
    HourglassCursor hourglass;
    RepaintSuspended repaint;
    ScopedQuery query;
};

} // namespace

QString TfrmSchedule::ShiftQuerySql(int schedulerId, QDate day, int positionId)
{
    QString sql = ShiftSelect + QStringLiteral("(SCHEDULE.SCHEDULER_ID = ") + SqlText::integer(schedulerId)
        + QStringLiteral(") AND (ScheduleDate = ") + Timeline::sqlDay(day);
    // Both tables have a PositionID: the bare name is ambiguous to the server.
    if (positionId != 0)
        sql += QStringLiteral(") AND (SCHEDULE.PositionID = ") + SqlText::integer(positionId);
    return sql + QStringLiteral(") ") + QStringLiteral("ORDER BY Servers.ServerFirst, Servers.ServerLast");
}

void TfrmSchedule::LoadScheduleGrid()
{
    if (ccboSchedules->currentIndex() < 0)
        return;

    Planner->setDisplayUnit(Timeline::displayUnitForInterval(cboInterval->currentIndex()));
    const int unit = Planner->displayUnit();

    const QDate day = SelectedFilterDate();
    Planner->setTimeLineStart(day);
    Planner->removeAllItems();
    const QString Q = Timeline::sqlDay(day);

    const QDateTime RS = LocaleFormat::wallClock(dtStartDate->date(), QTime(dtStart->time().hour(), dtStart->time().minute()));
    const QDateTime RE = LocaleFormat::wallClock(dtEndDate->date(), QTime(dtEnd->time().hour(), dtEnd->time().minute()));

    QDateTime S = RS;
    QDateTime E = RE;
    if (ckFit->isChecked()) {
        ScopedQuery fit(QStringLiteral("SELECT Min(ScheduleStart) AS MinTime, MAX(ScheduleEnd) as MaxTime FROM Schedule WHERE Scheduler_ID = ")
                        + SqlText::integer(CurrentScheduleID) + QStringLiteral(" AND ScheduleDate = ") + Q);
        const FbValue& minTime = fit->fieldByName(QStringLiteral("MinTime"));
        const FbValue& maxTime = fit->fieldByName(QStringLiteral("MaxTime"));
        if (minTime.isNull() && maxTime.isNull()) {
            fit.close();
            return;
        }
        S = minTime.isNull() ? maxTime.asDateTime() : minTime.asDateTime();
        E = maxTime.isNull() ? S : maxTime.asDateTime();
        fit.close();
    }
    const Timeline::SlotRange range = Timeline::visibleRange(S, E, unit);
    Planner->setDisplayStart(range.first);
    Planner->setDisplayEnd(range.last);
    Planner->setActiveStart(range.first);
    Planner->setActiveEnd(range.last);

    {
        LoadGuard guard(Planner);
        Planner->setPositions(1);

        guard.query.open(ShiftQuerySql(CurrentScheduleID, day, cboPosition->currentIndex() > 0 ? cboPosition->currentData().toInt() : 0));
        if (guard.query->eof())
            return;

        const Timeline::ShiftCaptioner caption;
        const ShiftColumns col(*guard.query);
        for (int k = 0; !guard.query->eof(); guard.query->next(), ++k) {
            const FbQuery& row = *guard.query;
            TPlannerItem* item = Planner->createItem();
            if (k > 0)
                Planner->setPositions(Planner->positions() + 1);
            item->Tag = int(row.field(col.id).asInteger());
            Planner->setHeaderCaption(Planner->positions(), row.field(col.first).asString() + u' ' + row.field(col.last).asString());
            item->Color = Timeline::colorFromStored(row.field(col.colour).asInteger());
            if (Timeline::needsWhiteCaption(item->Color))
                item->CaptionFontColor = QColor(0xFF, 0xFF, 0xFF);
            else
                item->FontColor = QColor(0x00, 0x00, 0x80);
            item->ItemStartTime = row.field(col.start).asDateTime();
            item->ItemEndTime = row.field(col.end).asDateTime();
            item->CaptionText = captionFromRow(row, col, caption);
            item->ItemPos = Planner->positions() - 1;
        }
        guard.query.close();
    }

    // Let the finished timeline be drawn before the figures are summed.
    QCoreApplication::processEvents();
    FillStatsGrid();
}

void TfrmSchedule::UpdateShiftItem(TPlannerItem* Item)
{
    if (!Item)
        return;
    ScopedQuery q(ShiftSelect + QStringLiteral("ScheduleID = ") + SqlText::integer(Item->Tag));
    // A shift deleted meanwhile keeps the caption it had.
    if (!q->eof()) {
        Item->CaptionText = captionFromRow(*q, ShiftColumns(*q), Timeline::ShiftCaptioner());
        Planner->itemChanged(Item);
    }
    q.close();
}
