#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

class FbValue;

// Creating, copying, deleting schedules and clearing the shop database: the
// database side of the workspace's schedule commands. Every write of one
// command runs in one transaction of the data module, so a failure part-way
// leaves the database as it was and raises the database's error.
namespace Schedules {

// An empty schedule over start..end; its new Scheduler_ID, or 0 when the
// generator gave none (nothing is written then).
int createBlank(const QString& name, QDate start, QDate end);

// Copies the schedule templateId with all its shifts so that it starts on
// newStart; the new Scheduler_ID, or 0 when nothing was created (template
// gone, or a template of one day).
int copyFromTemplate(int templateId, const QString& name, QDate newStart);

// The schedule and its shifts.
void remove(int schedulerId);

// Every employee, schedule and shift; positions and the employees' position
// assignments stay.
void resetDatabase();

// Where one template shift lands in the copy: on its day's counterpart, at
// its hours and minutes; an overnight shift keeps its end on the next day.
struct MovedShift {
    QDate date;
    QDateTime start; // invalid when the template shift had none
    QDateTime end;
};
MovedShift moveShift(QDate templateStart, QDate newStart, QDate shiftDate, const QDateTime& shiftStart,
                     const QDateTime& shiftEnd);

// A column value written bare into SQL text; NULL for a null.
QString plain(const FbValue& v);

} // namespace Schedules
