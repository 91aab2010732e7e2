#include "UfrmSchedule.h"

#include "widgets/Planner.h"

bool TfrmSchedule::PlannerDragOver()
{
    return CurrentScheduleID != 0;
}

void TfrmSchedule::PlannerDragDrop()
{
}

void TfrmSchedule::AddShiftforEmployee1Click()
{
}

void TfrmSchedule::PlannerItemMove(TPlannerItem*)
{
}

void TfrmSchedule::PlannerItemSize(TPlannerItem*)
{
}

void TfrmSchedule::PlannerItemDblClick(TPlannerItem*)
{
}

void TfrmSchedule::Edit1Click()
{
}

void TfrmSchedule::Delete1Click()
{
}

QString TfrmSchedule::PlannerItemBalloon(TPlannerItem*)
{
    return QString();
}

void TfrmSchedule::EditShift(TPlannerItem*)
{
}
