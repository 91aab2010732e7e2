#include "ShiftTestSupport.h"

#include "data/SqlText.h"
#include "dialogs/UfrmAddShift.h"
#include "workspace/UfrmSchedule.h"

#include <QCoreApplication>
#include <QEvent>
#include <QComboBox>
#include <QListWidget>
#include <QtTest>

namespace ShiftTest {

void chooseEmployee(TfrmSchedule& w, int serverID, const QString& text)
{
    QListWidgetItem* entry = nullptr;
    for (int i = 0; i < w.lbEmps->count() && !entry; ++i)
        if (w.lbEmps->item(i)->data(Qt::UserRole).toInt() == serverID)
            entry = w.lbEmps->item(i);
    if (!entry) {
        entry = new QListWidgetItem(text, w.lbEmps);
        entry->setData(Qt::UserRole, serverID);
    }
    w.lbEmps->setCurrentItem(entry);
    entry->setSelected(true);
}

void pickPosition(TfrmAddShift& d, const QString& name)
{
    d.cboPositions->setFocus();
    if (d.cboPositions->currentIndex() < 0)
        QTest::keyClick(d.cboPositions, Qt::Key_Down);
    while (d.cboPositions->currentText() != name && d.cboPositions->currentIndex() < d.cboPositions->count() - 1)
        QTest::keyClick(d.cboPositions, Qt::Key_Down);
    QCOMPARE(d.cboPositions->currentText(), name);
}

Row row(TestDatabase& db, qint64 scheduleID)
{
    const auto rows = db.rows(
        QStringLiteral("SELECT SCHEDULESTART, SCHEDULEEND, SCHEDULEDATE, SCHEDULECLOSE, POSITIONID, SCHEDULER_ID, "
                       "SERVERID, RATE, TOTALHOURS FROM SCHEDULE WHERE SCHEDULEID = ")
        + QString::number(scheduleID));
    Row r;
    if (rows.empty())
        return r;
    const auto& v = rows.front();
    r.start = SqlText::dateTime(v[0].asDateTime());
    r.end = SqlText::dateTime(v[1].asDateTime());
    r.date = SqlText::date(v[2].asDate());
    r.close = v[3].asInteger();
    r.positionID = v[4].asInteger();
    r.schedulerID = v[5].asInteger();
    r.serverID = v[6].asInteger();
    r.rate = v[7].asString();
    r.hours = v[8].isNull() ? QStringLiteral("null") : v[8].asString();
    return r;
}

qint64 lastScheduleID(TestDatabase& db)
{
    return db.scalar(QStringLiteral("SELECT MAX(SCHEDULEID) FROM SCHEDULE")).asInteger();
}

void freeClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace ShiftTest
