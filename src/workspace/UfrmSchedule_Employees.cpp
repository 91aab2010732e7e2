#include "UfrmSchedule.h"

#include <QListWidget>

void TfrmSchedule::FillEmployeeList()
{
}

void TfrmSchedule::ckEmpsActiveClick()
{
    FillEmployeeList();
}

int TfrmSchedule::SelectedEmployeeID() const
{
    const QListWidgetItem* item = lbEmps->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : 0;
}

QString TfrmSchedule::SelectedEmployeeText() const
{
    const QListWidgetItem* item = lbEmps->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}
