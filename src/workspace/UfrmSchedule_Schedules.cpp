#include "UfrmSchedule.h"

void TfrmSchedule::lblNewScheduleClick()
{
}

void TfrmSchedule::lblDeleteClick()
{
}

void TfrmSchedule::Label8Click()
{
}

int TfrmSchedule::CreateBlankSchedule(const QString&, QDate, QDate)
{
    return 0;
}

void TfrmSchedule::CreateScheduleFromTemplate(const QString&, QDate)
{
}
