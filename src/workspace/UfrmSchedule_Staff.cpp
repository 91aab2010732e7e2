#include "UfrmSchedule.h"

void TfrmSchedule::lbEmpsDblClick()
{
}

void TfrmSchedule::lblEditEmployeeClick()
{
}

void TfrmSchedule::EditEmployeeRecord1Click()
{
}

void TfrmSchedule::lblNewEmployeeClick()
{
}

void TfrmSchedule::Label1Click()
{
}
