#include "UfrmSchedule.h"

#include "widgets/Planner.h"

void TfrmSchedule::LoadScheduleGrid()
{
}

void TfrmSchedule::UpdateShiftItem(TPlannerItem*)
{
}
