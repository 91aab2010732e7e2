#include "Schedules.h"

#include "data/FbQuery.h"
#include "data/FbValue.h"
#include "data/SqlText.h"
#include "data/UdmMain.h"

#include <cstdlib>

namespace Schedules {

namespace {

const QString nextSchedulerIdSql = QStringLiteral("SELECT GEN_ID(GEN_SCHEDULER_ID,1) FROM RDB$Database;");

// The new header's statement up to its closing piece, which differs between
// the blank road (");") and the template road (")").
QString schedulerInsert(qint64 id, QDate start, QDate end, const QString& name)
{
    return QStringLiteral("INSERT INTO Scheduler (Scheduler_ID, Scheduler_Start, Scheduler_End, Scheduler_Name) VALUES (")
        + SqlText::integer(id) + QStringLiteral(", ") + SqlText::quotedDate(start) + QStringLiteral(", ")
        + SqlText::quotedDate(end) + QStringLiteral(", ") + SqlText::quoted(name);
}

QString quotedOrNull(const QDateTime& dt)
{
    return dt.isValid() ? SqlText::quotedDateTime(dt) : QStringLiteral("NULL");
}

// Gives the result set back on a way out by an error; the normal way closes
// it itself, so that a failing commit is not swallowed.
class ReleaseOnError {
public:
    explicit ReleaseOnError(TdmMain::Query& q) : m_q(q) {}
    ~ReleaseOnError()
    {
        try {
            dmMain->CloseQuery(m_q);
        } catch (...) {
            m_q.reset();
        }
    }
    ReleaseOnError(const ReleaseOnError&) = delete;
    ReleaseOnError& operator=(const ReleaseOnError&) = delete;

private:
    TdmMain::Query& m_q;
};

void reopen(TdmMain::Query& q, const QString& sql)
{
    q->close();
    q->setSql(sql);
    q->open();
}

int wholeDaysBetween(QDate a, QDate b)
{
    return std::abs(int(a.daysTo(b)));
}

QDateTime atHourAndMinute(QDate day, const QDateTime& source)
{
    if (!source.isValid())
        return {};
    return QDateTime(day, QTime(source.time().hour(), source.time().minute()), Qt::UTC);
}

} // namespace

QString plain(const FbValue& v)
{
    return v.isNull() ? QStringLiteral("NULL") : v.asString();
}

MovedShift moveShift(QDate templateStart, QDate newStart, QDate shiftDate, const QDateTime& shiftStart,
                     const QDateTime& shiftEnd)
{
    MovedShift m;
    m.date = newStart.addDays(shiftDate.isValid() ? wholeDaysBetween(templateStart, shiftDate) : 0);
    m.start = atHourAndMinute(m.date, shiftStart);
    m.end = atHourAndMinute(m.date, shiftEnd);
    // A shift ending at an earlier time of day than it starts ends the next day.
    if (m.start.isValid() && m.end.isValid() && m.end.time() < m.start.time())
        m.end = m.end.addDays(1);
    return m;
}

int createBlank(const QString& name, QDate start, QDate end)
{
    TdmMain::Query q;
    qint64 id = 0;
    {
        ReleaseOnError release(q);
        dmMain->OpenQuery(nextSchedulerIdSql, q);
        if (!q->eof())
            id = q->field(0).asInteger();
        dmMain->CloseQuery(q);
    }
    if (id < 1)
        return 0;
    dmMain->ExecuteSQL(schedulerInsert(id, start, end, name) + QStringLiteral(");"));
    return int(id);
}

int copyFromTemplate(int templateId, const QString& name, QDate newStart)
{
    TdmMain::Query q;
    ReleaseOnError release(q);
    dmMain->OpenQuery(nextSchedulerIdSql, q);
    const qint64 newId = q->eof() ? 0 : q->field(0).asInteger();

    reopen(q, QStringLiteral("SELECT * FROM Scheduler WHERE Scheduler_ID = ") + SqlText::integer(templateId));
    if (q->eof() || newId < 1) {
        dmMain->CloseQuery(q);
        return 0;
    }
    const QDate templateStart = q->fieldByName(QStringLiteral("Scheduler_Start")).asDate();
    const int span = wholeDaysBetween(templateStart, q->fieldByName(QStringLiteral("Scheduler_End")).asDate());
    if (span == 0) {
        dmMain->CloseQuery(q);
        return 0;
    }
    const QDate newEnd = newStart.addDays(span);

    TdmMain::TransactionScope scope(*dmMain);
    dmMain->ExecuteSQL(schedulerInsert(newId, newStart, newEnd, name) + QStringLiteral(")"));

    reopen(q, QStringLiteral("SELECT * FROM Schedule WHERE Scheduler_ID = ") + SqlText::integer(templateId));
    const int serverId = q->fieldIndex(QStringLiteral("ServerID"));
    const int scheduleStart = q->fieldIndex(QStringLiteral("ScheduleStart"));
    const int scheduleEnd = q->fieldIndex(QStringLiteral("ScheduleEnd"));
    const int scheduleClose = q->fieldIndex(QStringLiteral("ScheduleClose"));
    const int scheduleDate = q->fieldIndex(QStringLiteral("ScheduleDate"));
    const int positionId = q->fieldIndex(QStringLiteral("PositionID"));
    const int rate = q->fieldIndex(QStringLiteral("Rate"));
    const int totalHours = q->fieldIndex(QStringLiteral("TotalHours"));
    const QString newIdText = SqlText::integer(newId);
    for (; !q->eof(); q->next()) {
        const MovedShift m = moveShift(templateStart, newStart, q->field(scheduleDate).asDate(),
                                       q->field(scheduleStart).asDateTime(), q->field(scheduleEnd).asDateTime());
        dmMain->ExecuteSQL(
            QStringLiteral("INSERT INTO Schedule (serverID, ScheduleStart, ScheduleEnd, ScheduleClose, ScheduleDate, "
                           "PositionID, Scheduler_ID, Rate, TotalHours) VALUES (")
            + plain(q->field(serverId)) + QStringLiteral(", ") + quotedOrNull(m.start) + QStringLiteral(", ")
            + quotedOrNull(m.end) + QStringLiteral(", ") + plain(q->field(scheduleClose)) + QStringLiteral(", ")
            + SqlText::quotedDate(m.date) + QStringLiteral(", ") + plain(q->field(positionId))
            + QStringLiteral(", ") + newIdText + QStringLiteral(", ") + plain(q->field(rate))
            + QStringLiteral(", ") + plain(q->field(totalHours)) + QStringLiteral(")"));
    }
    scope.commit();
    dmMain->CloseQuery(q);
    return int(newId);
}

void remove(int schedulerId)
{
    const QString id = SqlText::integer(schedulerId);
    TdmMain::TransactionScope scope(*dmMain);
    dmMain->ExecuteSQL(QStringLiteral("DELETE FROM Scheduler WHERE Scheduler_ID = ") + id);
    dmMain->ExecuteSQL(QStringLiteral("DELETE FROM Schedule WHERE Scheduler_ID = ") + id);
    scope.commit();
}

void resetDatabase()
{
    TdmMain::TransactionScope scope(*dmMain);
    dmMain->ExecuteSQL(QStringLiteral("DELETE FROM Servers"));
    dmMain->ExecuteSQL(QStringLiteral("DELETE FROM Scheduler"));
    dmMain->ExecuteSQL(QStringLiteral("DElETE FROM Schedule"));
    scope.commit();
}

} // namespace Schedules
