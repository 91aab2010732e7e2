#pragma once

#include "data/FbValue.h"
#include "support/TestDatabase.h"

#include <QDate>
#include <QString>
#include <vector>

class TfrmAddShift;
class TfrmSchedule;

namespace ShiftTest {

// Selects the employee in the workspace's list, adding the entry when the
// list does not hold it.
void chooseEmployee(TfrmSchedule& w, int serverID, const QString& text);

// Picks a position in the shift dialog as the user does: with the keyboard
// on the list, one entry at a time (so the rate is looked up).
void pickPosition(TfrmAddShift& d, const QString& name);

// The shift's row as written: start, end, date, close, position, schedule,
// employee, rate, hours (as text, in the database's own form).
struct Row {
    QString start, end, date;
    qint64 close = -1, positionID = -1, schedulerID = -1, serverID = -1;
    QString rate, hours;
};
Row row(TestDatabase& db, qint64 scheduleID);
// The newest shift's id, or 0.
qint64 lastScheduleID(TestDatabase& db);
// Lets windows that closed themselves be freed.
void freeClosedWindows();

} // namespace ShiftTest
