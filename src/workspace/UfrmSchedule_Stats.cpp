#include "UfrmSchedule.h"

#include "widgets/StringGrid.h"

void TfrmSchedule::FillStatsGrid()
{
}

Qt::Alignment TfrmSchedule::StatsGridGetAlignment(int, int ACol) const
{
    return ACol >= 1 && ACol <= 4 ? Qt::AlignRight : Qt::AlignLeft;
}
