#include "UfrmSchedule.h"

void TfrmSchedule::lblPrintScheduleClick()
{
}
