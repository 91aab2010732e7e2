#include "UfrmSchedule.h"

#include "data/LocaleFormat.h"
#include "data/SqlText.h"
#include "data/UdmMain.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/DateEdit.h"
#include "widgets/Planner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTimeEdit>

// Releases a result set of dmMain on every way out.
namespace {
struct QueryGuard {
    TdmMain::Query q;
    ~QueryGuard()
    {
        if (q && dmMain)
            dmMain->CloseQuery(q);
    }
};
} // namespace

void TfrmSchedule::FillScheduleList()
{
}

void TfrmSchedule::FillPositionFilter()
{
}

void TfrmSchedule::FillDayFilter()
{
}

QDate TfrmSchedule::SelectedFilterDate() const
{
    return QDate();
}

void TfrmSchedule::OpenSelectedSchedule(bool)
{
}

void TfrmSchedule::ccboSchedulesChange()
{
    OpenSelectedSchedule(true);
}

void TfrmSchedule::dtStartDateAcceptDate(QDate&)
{
}

void TfrmSchedule::ckFitClick()
{
}

void TfrmSchedule::lblUpdateClick()
{
    LoadScheduleGrid();
}
