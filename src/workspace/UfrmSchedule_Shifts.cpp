#include "UfrmSchedule.h"

#include "ScopedQuery.h"
#include "app/MessageBoxes.h"
#include "data/LocaleFormat.h"
#include "data/SqlText.h"
#include "data/UdmMain.h"
#include "dialogs/ShiftTimes.h"
#include "dialogs/UfrmAddShift.h"
#include "widgets/MoneyEdit.h"
#include "widgets/Planner.h"

#include <QComboBox>
#include <QTimeEdit>
#include <memory>

namespace {

// Until it is shown, the dialog is ours to free; once shown, it frees itself.
int showShiftDialog(std::unique_ptr<TfrmAddShift> dialog)
{
    return Messages::execModal(*dialog.release());
}

void newShift(TfrmSchedule& w)
{
    const int serverID = w.SelectedEmployeeID();
    if (serverID == 0 || w.CurrentScheduleID == 0) {
        Messages::error(QStringLiteral("No Schedule Loaded"));
        return;
    }
    auto dialog = std::make_unique<TfrmAddShift>();
    dialog->setWindowTitle(QStringLiteral("Add Shift for ") + w.SelectedEmployeeText());
    dialog->ShiftSchedulerID = w.CurrentScheduleID;
    dialog->ShiftServerID = serverID;
    dialog->ShiftEndDate = LocaleFormat::wallClock(w.SelectedFilterDate());
    dialog->ShiftStartDate = dialog->ShiftEndDate;
    dialog->FillPositions();
    if (showShiftDialog(std::move(dialog)) == QDialog::Accepted)
        w.LoadScheduleGrid();
}

// A bar moved or stretched: its times of day on the chosen day are the
// shift's new times.
void writeBack(TfrmSchedule& w, TPlannerItem* item)
{
    if (!item)
        return;
    const ShiftTimes::Span span = ShiftTimes::fromItem(w.SelectedFilterDate(), item->ItemStartTime, item->ItemEndTime);
    dmMain->ExecuteSQL(QStringLiteral("UPDATE Schedule SET ScheduleStart = ") + SqlText::quotedDateTime(span.start)
                       + QStringLiteral(", ") + QStringLiteral("ScheduleEnd = ") + SqlText::quotedDateTime(span.end)
                       + QStringLiteral(", ") + QStringLiteral("TotalHours = ") + ShiftTimes::hoursText(span)
                       + QStringLiteral(" WHERE ScheduleID = ") + SqlText::integer(item->Tag));
    w.UpdateShiftItem(item);
    w.FillStatsGrid();
}

} // namespace

bool TfrmSchedule::PlannerDragOver()
{
    return CurrentScheduleID != 0;
}

void TfrmSchedule::PlannerDragDrop()
{
    newShift(*this);
}

void TfrmSchedule::AddShiftforEmployee1Click()
{
    newShift(*this);
}

void TfrmSchedule::PlannerItemMove(TPlannerItem* Item)
{
    writeBack(*this, Item);
}

void TfrmSchedule::PlannerItemSize(TPlannerItem* Item)
{
    writeBack(*this, Item);
}

void TfrmSchedule::PlannerItemDblClick(TPlannerItem* Item)
{
    EditShift(Item);
}

void TfrmSchedule::Edit1Click()
{
    EditShift(Planner->selectedItem());
}

void TfrmSchedule::Delete1Click()
{
    const TPlannerItem* item = Planner->selectedItem();
    if (!item)
        return;
    if (!Messages::confirm(QStringLiteral("You are about to delete a Shift from the current Schedule for: ")
                           + item->CaptionText + QStringLiteral("\r\n\r\nContinue?")))
        return;
    dmMain->ExecuteSQL(QStringLiteral("DELETE FROM Schedule WHERE ScheduleID = ") + SqlText::integer(item->Tag));
    LoadScheduleGrid();
}

QString TfrmSchedule::PlannerItemBalloon(TPlannerItem*)
{
    return QStringLiteral("Use your mouse to drag the shift to a different time or hover your mouse cursor over "
                          "the left or right edge to resize the shift");
}

void TfrmSchedule::EditShift(TPlannerItem* Item)
{
    if (!Item)
        return;
    const int scheduleID = Item->Tag;
    ScopedQuery q(QStringLiteral("SELECT * FROM Schedule WHERE ScheduleID = ") + SqlText::integer(scheduleID));
    auto dialog = std::make_unique<TfrmAddShift>();
    dialog->setWindowTitle(QStringLiteral("Editing ") + Item->CaptionText);
    dialog->ShiftEndDate = LocaleFormat::wallClock(SelectedFilterDate());
    dialog->ShiftStartDate = dialog->ShiftEndDate;
    dialog->ShiftServerID = int(q->fieldByName(QStringLiteral("ServerID")).asInteger());
    dialog->FillPositions();
    dialog->IsEditing = true;
    dialog->ShiftScheduleID = scheduleID;
    // Chosen from code: no rate look-up.
    dialog->cboPositions->setCurrentIndex(
        dialog->cboPositions->findData(int(q->fieldByName(QStringLiteral("PositionID")).asInteger())));
    dialog->meRate->setText(q->fieldByName(QStringLiteral("Rate")).asMoney().format2());
    dialog->dpStart->setTime(q->fieldByName(QStringLiteral("ScheduleStart")).asDateTime().time());
    dialog->dpEnd->setTime(q->fieldByName(QStringLiteral("ScheduleEnd")).asDateTime().time());
    const qint64 closing = q->fieldByName(QStringLiteral("ScheduleClose")).asInteger();
    dialog->cboClosing->setCurrentIndex(closing == 0 || closing == 1 ? int(closing) : -1);
    if (showShiftDialog(std::move(dialog)) == QDialog::Accepted)
        OpenSelectedSchedule(false);
    q.close();
}
