#include "UfrmSchedule.h"

#include "app/HourglassCursor.h"
#include "app/MessageBoxes.h"
#include "dialogs/Schedules.h"
#include "dialogs/UfrmNew.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/Planner.h"

void TfrmSchedule::lblNewScheduleClick()
{
    frmNew = new TfrmNew;
    Messages::execModal(*frmNew);
}

void TfrmSchedule::lblDeleteClick()
{
    if (ccboSchedules->currentIndex() < 0)
        return;
    // The name with its dates: names may repeat.
    const QString chosen = ccboSchedules->currentColumnText(0) + QStringLiteral(" (")
        + ccboSchedules->currentColumnText(1) + u')';
    if (!Messages::confirm(QStringLiteral("You are about to delete the scheduled, ") + chosen
                           + QStringLiteral(".  Are you want to continue?")))
        return;
    Schedules::remove(ccboSchedules->currentTag());
    CurrentScheduleID = 0;
    Planner->removeAllItems();
    Planner->setPositions(1);
    FillScheduleList();
}

void TfrmSchedule::Label8Click()
{
    if (!Messages::confirm(QStringLiteral(
            "You are about to delete all employees from the database.  You should only perform this action if you "
            "would like to clear the database for use.  This will delete all employees from the database as well as "
            "any schedules that have been created.  Positions will not be deleted.  These, you will have to delete "
            "manually.")))
        return;
    {
        HourglassCursor wait;
        Schedules::resetDatabase();
    }
    // Every schedule is gone: none is open any more.
    CurrentScheduleID = 0;
    FillScheduleList();
    FillEmployeeList();
    Planner->removeAllItems();
}

int TfrmSchedule::CreateBlankSchedule(const QString& Name, QDate StartDate, QDate EndDate)
{
    return Schedules::createBlank(Name, StartDate, EndDate);
}

void TfrmSchedule::CreateScheduleFromTemplate(const QString& Name, QDate NewStart)
{
    int id = 0;
    {
        HourglassCursor wait;
        id = Schedules::copyFromTemplate(CurrentScheduleID, Name, NewStart);
    }
    if (id > 0)
        OpenListedSchedule(*this, id);
}
