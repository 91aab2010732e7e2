#include "UfrmSchedule.h"

#include "ScopedQuery.h"

#include <QCheckBox>
#include <QListWidget>

void TfrmSchedule::FillEmployeeList()
{
    lbEmps->clear();
    const QString sql = ckEmpsActive->isChecked()
        ? QStringLiteral("SELECT (ServerFirst || ' ' || ServerLast) AS Employee, PositionName, ServerID, IsActive FROM Servers "
                         "WHERE IsActive = 1  ORDER BY ServerFirst, ServerLast")
        : QStringLiteral("SELECT (ServerFirst || ' ' || ServerLast) AS Employee, PositionName, ServerID, IsActive FROM Servers "
                         "ORDER BY ServerFirst, ServerLast");
    ScopedQuery q(sql);
    for (; !q->eof(); q->next()) {
        QString text = q->fieldByName(QStringLiteral("Employee")).asString();
        if (q->fieldByName(QStringLiteral("IsActive")).asInteger() == 0)
            text += QStringLiteral(" (Not Active)");
        auto* item = new QListWidgetItem(text);
        item->setData(Qt::UserRole, int(q->fieldByName(QStringLiteral("ServerID")).asInteger()));
        lbEmps->addItem(item);
    }
    q.close();
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
