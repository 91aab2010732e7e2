#include "UfrmSchedule.h"

#include "app/MessageBoxes.h"
#include "staff/UfrmEmployees.h"
#include "staff/UfrmPositions.h"

#include <QListWidget>
#include <memory>

void TfrmSchedule::lbEmpsDblClick()
{
    const QListWidgetItem* item = lbEmps->currentItem();
    if (!item || !item->isSelected())
        return;
    const int serverID = item->data(Qt::UserRole).toInt();
    // Ours to free until it is shown; then it frees itself when it closes.
    auto editor = std::make_unique<TfrmEmployees>();
    // With no match the editor stays on its first record.
    if (editor->qryMain.isActive())
        editor->qryMain.locate(QStringLiteral("SERVERID"), FbValue(serverID));
    Messages::execModal(*editor.release());
}

void TfrmSchedule::lblEditEmployeeClick()
{
    lbEmpsDblClick();
}

void TfrmSchedule::EditEmployeeRecord1Click()
{
    lbEmpsDblClick();
}

void TfrmSchedule::lblNewEmployeeClick()
{
    auto editor = std::make_unique<TfrmEmployees>();
    editor->qryMain.insert();
    Messages::execModal(*editor.release());
}

void TfrmSchedule::Label1Click()
{
    Messages::execModal(*new TfrmPositions());
}
